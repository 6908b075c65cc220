#!/usr/bin/env bash
# Stage A in a real window, started as the title starts a game, with the stage clock jumped and fire held:
# the waves at S about 300 and 1100, then boss A attacking with sparks on its hits.
# Usage: stage_a_test.sh <scene driver> [folder to keep the screenshots in]
set -u
driver="$1"
keep="${2:-}"
source "$(dirname "$0")/screen_session.sh"
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"

# 800x600 centred on the 1024x768 display; the play field is the middle 360 columns (322..681).
shot() { grab "$1" 360 600 322 84 || fail "no screenshot $1"; }
lit() { convert "$shots/$1.ppm" -threshold 1% -format '%[fx:mean]' info: 2>/dev/null; }
differ() { compare -metric AE "$shots/$1.ppm" "$shots/$2.ppm" null: 2>&1 | cut -d' ' -f1; }
# Share of a region (w x h + x + y inside the field) whose pixels pass an fx test.
share() { convert "$shots/$1.ppm" -crop "$2" +repage -fx "$3" -format '%[fx:mean]' info: 2>/dev/null; }

# Starts the driver in stage A at stage clock $1 (with J: invincible) and holds fire in its window. The
# driver's frame lines (stage clock, seconds since the jump) time the screenshots.
frames="$shots/game.frames"
start_stage() {
  "$driver" 2 "$@" >"$frames" 2>"$shots/game.log" &
  game_pid=$!
  await_window "$game_pid" || fail "no window titled QUENDRAVOLT; the driver printed: $(cat "$shots/game.log")"
  xdotool windowfocus --sync "$window" 2>/dev/null
  xdotool keydown shift
}

# after <frames> <what>: waits until the driver has run that many more frames than when the wait began.
after() {
  await_frames "$game_pid" "$frames" $(($(presented "$frames") + $1)) || fail "$2: $(cat "$shots/game.log")"
}

# The waves: small enemies, their shots and the formation shooters at about 300; swoopers gone, wave
# flyers and their pellets at about 1100. Each is taken when the stage clock reaches it, then a few
# frames later.
for s in 300 1100; do
  start_stage $((s - 40)) J
  await_value "$game_pid" "$frames" stage "$s" || fail "stage A did not run to $s: $(cat "$shots/game.log")"
  shot "waves_$s"
  after 18 "stage A stopped at $s"
  shot "waves_${s}_b"
  xdotool keyup shift
  stop_game
  awk "BEGIN { exit !($(lit "waves_$s") > 0.3) }" || fail "stage A is not on the screen at $s"
  [ "$(differ "waves_$s" "waves_${s}_b")" -gt 500 ] || fail "nothing moves at $s"
done

# Boss A: it rises behind the warning picture and settles about 13.5 s after the jump; fire held under
# it lowers its health into the attack band: taken 23 s after the jump.
start_stage 1461 J
await_value "$game_pid" "$frames" time 23 || fail "the boss fight did not run for 23 s: $(cat "$shots/game.log")"
shot boss_attack
after 12 "the boss fight stopped"
shot boss_attack_b
xdotool keyup shift
stop_game
# The body fills the top of the field (boss at x 180, y 0: field columns 0..359, rows 0..359).
body=$(share boss_attack 360x300+0+0 'r + g + b > 0.05 ? 1 : 0')
awk "BEGIN { exit !($body > 0.5) }" || fail "no boss body at the top of the field ($body)"
[ "$(differ boss_attack boss_attack_b)" -gt 500 ] || fail "the boss fight does not move"
grep -v '^$' "$shots/game.log" >/dev/null && fail "the driver reported: $(cat "$shots/game.log")"
cleanup
echo "e2e stage A test passed"

#!/usr/bin/env bash
# Stage A in a real window, started as the title starts a game, with the stage clock jumped and fire held:
# the waves at S about 300 and 1100, then boss A attacking with sparks on its hits.
# Usage: stage_a_test.sh <scene driver> [folder to keep the screenshots in]
set -u
driver="$1"
keep="${2:-}"
source "$(dirname "$0")/screen_session.sh"
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"

# 800x600 centred on the 1024x768 display; the play field is the middle 360 columns.
field="360x600+322+84"
shot() { import -window root -crop "$field" +repage "$shots/$1.png" 2>/dev/null; }
lit() { convert "$shots/$1.png" -threshold 1% -format '%[fx:mean]' info: 2>/dev/null; }
differ() { compare -metric AE "$shots/$1.png" "$shots/$2.png" null: 2>&1 | cut -d' ' -f1; }
# Share of a region (w x h + x + y inside the field) whose pixels pass an fx test.
share() { convert "$shots/$1.png" -crop "$2" +repage -fx "$3" -format '%[fx:mean]' info: 2>/dev/null; }

# Starts the driver in stage A at stage clock $1 (with J: invincible) and holds fire in its window.
start_stage() {
  "$driver" 2 "$@" >"$shots/game.log" 2>&1 &
  game_pid=$!
  await_window "$game_pid" || fail "no window titled QUENDRAVOLT; the driver printed: $(cat "$shots/game.log")"
  xdotool windowfocus --sync "$window" 2>/dev/null
  xdotool keydown shift
}

# The waves: small enemies, their shots and the formation shooters at about 300; swoopers gone, wave
# flyers and their pellets at about 1100.
for s in 300 1100; do
  start_stage $((s - 40)) J
  sleep 2.5
  shot "waves_$s"
  sleep 0.3
  shot "waves_${s}_b"
  xdotool keyup shift
  stop_game
  awk "BEGIN { exit !($(lit "waves_$s") > 0.3) }" || fail "stage A is not on the screen at $s"
  [ "$(differ "waves_$s" "waves_${s}_b")" -gt 500 ] || fail "nothing moves at $s"
done

# Boss A: it rises behind the warning picture and settles about 13.5 s after the jump; fire held under
# it lowers its health into the attack band.
start_stage 1461 J
sleep 24
shot boss_attack
sleep 0.2
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

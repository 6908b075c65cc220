#!/usr/bin/env bash
# The real program under a virtual X display: its window shows the title over the moving field; a
# second copy ends with 0 without showing a frame while the first runs on; Enter leaves the title through
# the wipe (the title's rows shifted sideways) into the moving stage; Esc ends with 0. Screenshots are
# timed by the frames the program has shown (its present log).
# Usage: window_test.sh <program> <screen width> <screen height> <wipe_rows reader>
set -u
game="$1"
width="${2:-800}"
height="${3:-600}"
wipe_rows="${4:-}"
source "$(dirname "$0")/screen_session.sh"
source "$(dirname "$0")/sanitizer_options.sh"

presents="$shots/game.presents"
QV_PRESENT_LOG="$presents" "$game" >"$shots/game.log" 2>&1 &
game_pid=$!

await_window "$game_pid" || fail "no window titled QUENDRAVOLT; the game printed: $(cat "$shots/game.log")"

# The picture is centred on the 1024x768 display at its own size.
left=$(( (1024 - width) / 2 ))
top=$(( (768 - height) / 2 ))
field_left=$(( left + (width - 360) / 2 ))
shot() { grab "$1" 360 "$height" "$field_left" "$top"; }
lit() { convert "$shots/$1.ppm" -threshold 1% -format '%[fx:mean]' info: 2>/dev/null; }
differ() { compare -metric AE "$shots/$1.ppm" "$shots/$2.ppm" null: 2>&1 | cut -d' ' -f1; }

# after <frames>: waits until the program has shown that many more frames than when the wait began.
after() {
  await_frames "$game_pid" "$presents" $(($(presented "$presents") + $1)) || fail "$2"
}

# The title's first frame is the first present: three seconds of it, then half a second more.
await_frames "$game_pid" "$presents" 180 || fail "the title did not run for 3 s"
shot title1
after 30 "the title stopped"
shot title2
[ -n "$(grep -v '^$' "$shots/game.log")" ] && fail "the game reported: $(cat "$shots/game.log")"
awk "BEGIN { exit !($(lit title1) > 0.3) }" || fail "the title is not on the screen (lit share $(lit title1))"
grab corner 40 40 $((left + 10)) $((top + 10))
outside=$(convert "$shots/corner.ppm" -format '%[fx:maxima]' info: 2>/dev/null)
awk "BEGIN { exit !(${outside:-1} == 0) }" || fail "something is drawn outside the play field"
[ "$(differ title1 title2)" -gt 100 ] || fail "the title does not move"

# The second copy ends by itself without showing a frame; how long it takes to start and end says
# nothing on a loaded machine, so the limit is only there to end a hang.
start=$(date +%s%N)
QV_PRESENT_LOG="$shots/second.presents" timeout "$frame_wait_limit" "$game" >/dev/null 2>&1
second=$?
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$second" -eq 0 ] || fail "second copy exited with $second after ${elapsed_ms} ms"
[ "$(presented "$shots/second.presents")" -eq 0 ] || fail "the second copy showed frames"
kill -0 "$game_pid" 2>/dev/null || fail "the first copy ended when the second started"

xdotool windowfocus --sync "$window" 2>/dev/null
# Pressed as a player presses it: the title reads the key once a frame. The wipe lasts 26 frames; a shot
# is taken every second frame through them, the first while the key is still down.
wipe_shots=13
grab_frames wipe 360 "$height" "$field_left" "$top" "$game_pid" "$presents" "$wipe_shots" 2 &
grab_pid=$!
press "$game_pid" "$presents" Return
wait "$grab_pid" || fail "the shots through the wipe were not taken"
# Four seconds into the stage, then half a second more.
after 240 "the stage did not run after Enter"
shot left1
after 30 "the stage stopped after Enter"
shot left2
# rows <shot>: the share of the title's rows the shot shows shifted sideways, and shown at all.
rows() { "$wipe_rows" "$shots/title1.ppm" "$shots/$1.ppm"; }
if [ -n "$wipe_rows" ]; then
  broken=0
  for i in $(seq "$wipe_shots"); do
    read -r shifted shown <<<"$(rows "wipe$i")"
    # The scrolling field behind the title changes many rows anyway; of the rows still found, a wiped
    # picture shows most shifted.
    awk "BEGIN { exit !($shown >= 0.05 && $shifted >= 0.6 * $shown) }" && broken=$((broken + 1))
  done
  echo "$broken of $wipe_shots shots through the wipe show the title's rows shifted"
  [ "$broken" -ge 1 ] || fail "no screenshot shows the title broken into shifted rows"
  read -r shifted shown <<<"$(rows left2)"
  awk "BEGIN { exit !($shown < 0.1) }" || fail "the title is still on the screen after the wipe ($shown)"
fi
# The stage moves on where the title was.
d=$(differ left1 left2); [ "$d" -gt 100 ] || fail "the stage does not move after Enter ($d)"

press "$game_pid" "$presents" Escape
await_exit "$game_pid" || fail "Esc did not end the game"
wait "$game_pid"
code=$?
game_pid=""
[ "$code" -eq 0 ] || fail "the game exited with $code: $(cat "$shots/game.log")"
cleanup
echo "e2e window test passed for $game (second copy ended in ${elapsed_ms} ms)"

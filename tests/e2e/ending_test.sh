#!/usr/bin/env bash
# The ending in a real window: the ranking, then the credit lines drawn with the system's fonts.
# Usage: ending_test.sh <scene driver> [folder to keep the screenshots in]
set -u
driver="$1"
keep="${2:-}"
source "$(dirname "$0")/screen_session.sh"
source "$(dirname "$0")/sanitizer_options.sh"

# 800x600 centred on the 1024x768 display.
left=112
top=84
# The ending's timeline jumps to the credits (t 300) once its first frame has run; the frame at which it
# reaches 340, inside the credits, is held for the screenshot.
frames="$shots/game.frames"
QV_HOLD_AT="stage 340" "$driver" 10 300 >"$frames" 2>"$shots/game.log" &
game_pid=$!
await_line "$game_pid" "$frames" held || fail "the ending's timeline never reached 340: $(cat "$shots/game.log")"
grab ending_credits 800 600 "$left" "$top" || fail "no screenshot"
# Credit lines: dark blue boxes with white letters at x 280, y 180 to 320.
share() { convert "$shots/ending_credits.ppm" -crop 200x140+280+180 +repage -fx "$1" -format '%[fx:mean]' info:; }
blue=$(share 'b > 0.4 && r < 0.15 && g < 0.15 ? 1 : 0')
white=$(share 'r > 0.8 && g > 0.8 && b > 0.8 ? 1 : 0')
awk "BEGIN { exit !($blue > 0.02 && $white > 0.002) }" || fail "no credit lines (blue share $blue, white share $white)"
press "$game_pid" "$frames" Escape
await_exit "$game_pid" || fail "Esc did not end the driver"
wait "$game_pid"
code=$?
game_pid=""
[ "$code" -eq 0 ] || fail "the driver exited with $code"
cleanup
echo "e2e ending test passed"

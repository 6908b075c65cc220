#!/usr/bin/env bash
# Stage B in a real window, its clocks jumped: boss B settled at the top of the field with its bullets
# falling, then in a damage band with its bursts, then burning with its flames.
# Usage: stage_b_test.sh <scene driver> <screen width> <screen height> [folder to keep the screenshots in]
set -u
driver="$1"
width="${2:-800}"
height="${3:-600}"
keep="${4:-}"
source "$(dirname "$0")/screen_session.sh"
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"

left=$(( (1024 - width) / 2 ))
top=$(( (768 - height) / 2 ))
name="stage_b_${width}"

# shoot <name> <health> <attack count> <shot at>: runs the stage from the boss's settled place (boss
# clock 150) at the given health and attack count, holds the frame at which the attack clock reaches the
# given count and takes it.
shoot() {
  local frames="$shots/$1.frames"
  QV_HOLD_AT="clock $4" "$driver" 3 2000 150 "$2" "$3" >"$frames" 2>"$shots/$1.log" &
  game_pid=$!
  await_line "$game_pid" "$frames" held || fail "$1: the attack clock never reached $4: $(cat "$shots/$1.log")"
  grab "${name}_$1" "$width" "$height" "$left" "$top" || fail "$1: no screenshot"
  press "$game_pid" "$frames" Escape
  await_exit "$game_pid" || fail "$1: Esc did not end the driver"
  wait "$game_pid"
  local code=$?
  game_pid=""
  [ "$code" -eq 0 ] || fail "the driver exited with $code"
  [ -n "$(grep -v '^$' "$shots/$1.log")" ] && fail "the driver reported: $(cat "$shots/$1.log")"
}
share() { convert "$shots/${name}_$1.ppm" -fx "$2" -format '%[fx:mean]' info:; }
# The same over the band between the boss's body and the ship, where only bullets pass.
band_top=360
band_height=$(( height - 100 - band_top ))
band_share() {
  convert "$shots/${name}_$1.ppm" -crop "${width}x${band_height}+0+${band_top}" +repage -fx "$2" \
    -format '%[fx:mean]' info:
}
check() { awk "BEGIN { exit !($1) }" || fail "$2"; }

green='g > r + 0.1 && g > b ? 1 : 0'
vivid='max(r, max(g, b)) > 0.7 && max(r, max(g, b)) - min(r, min(g, b)) > 0.5 ? 1 : 0'
hot='r > 0.9 && g > 0.75 && b > 0.5 ? 1 : 0'
orange='r > 0.8 && g > 0.25 && g < 0.7 && b < 0.4 ? 1 : 0'

shoot settled 900 0 160
body=$(share settled "$green")
bullets=$(band_share settled "$vivid")
calm=$(share settled "$hot")
check "$body > 0.04" "no boss body in the field (green share $body)"
check "$bullets > 0.003" "no bullets below the boss (vivid share $bullets)"
check "$calm < 0.01" "the unharmed boss flares (hot share $calm)"

shoot bursts 500 0 160
bursts=$(share bursts "$hot")
check "$bursts > 0.008 && $bursts > 2 * $calm" "no damage bursts (hot share $bursts against $calm)"

# The flames against the unharmed boss at the same point of its cycle, where the fans it fires are blue.
shoot fans 900 200 320
shoot flames 80 200 320
flames=$(share flames "$orange")
unharmed=$(share fans "$orange")
check "$flames > 0.003 && $flames > 2 * $unharmed" "no flames (orange share $flames against $unharmed)"

cleanup
echo "e2e stage B test passed ($width x $height)"

#!/usr/bin/env bash
# A long run of the real program in a real window: the program under a virtual X display for a given
# time, with random key presses held as a person holds them (30-200 ms, up to three keys at once: the
# arrows, Shift, Ctrl, the weapon keys C V N B, Enter, Space, Y, S and T; never Esc). Resident memory is
# sampled every 30 s into a log. The run fails when the program ends (a crash), when its error box comes
# up (a child process, or a second named window), or when resident memory grows by more than the limit
# after the warm-up. Not part of the test suite: run it by hand.
# Usage: soak_window.sh [program (default build/bin/game800)] [seconds (default 1800)]
# Environment: SOAK_SAMPLE_SECONDS (30), SOAK_WARMUP_SECONDS (300, at most a third of the run),
# SOAK_GROWTH_LIMIT_KB (2048), SOAK_LOG (the memory log; default a file under /tmp).
set -u
here=$(cd "$(dirname "$0")" && pwd)
game="${1:-$here/../../build/bin/game800}"
duration="${2:-1800}"
sample_every="${SOAK_SAMPLE_SECONDS:-30}"
warmup="${SOAK_WARMUP_SECONDS:-300}"
growth_limit="${SOAK_GROWTH_LIMIT_KB:-2048}"
log="${SOAK_LOG:-$(mktemp /tmp/soak_window.XXXXXX.log)}"
work=$(mktemp -d)
[ "$warmup" -gt $((duration / 3)) ] && warmup=$((duration / 3))

cleanup() {
  [ -n "${keys_pid:-}" ] && kill "$keys_pid" 2>/dev/null
  [ -n "${game_pid:-}" ] && kill "$game_pid" 2>/dev/null
  stop_xvfb
  wait 2>/dev/null
  rm -rf "$work"
}
fail() { echo "FAIL: $*"; cleanup; exit 1; }

[ -x "$game" ] || fail "no program at $game"
source "$here/xvfb_session.sh"
start_xvfb || fail "Xvfb did not start"
source "$here/sanitizer_options.sh"
export SDL_AUDIODRIVER=dummy

"$game" >"$work/game.log" 2>&1 &
game_pid=$!
await_window "$game_pid" || fail "no window titled QUENDRAVOLT; the program printed: $(cat "$work/game.log")"

# Fire and steering keys come up most; S and T now and then; Esc never.
keys=(Left Right Up Down Left Right Up Down Shift_L Shift_L Shift_L Control_L Control_L
      c v n b c v n b Return Return y y space s t)
press_keys() {
  while :; do
    local count=$((RANDOM % 3 + 1)) chosen=() i
    for ((i = 0; i < count; i++)); do chosen+=("${keys[RANDOM % ${#keys[@]}]}"); done
    xdotool keydown "${chosen[@]}" 2>/dev/null
    sleep "0.$(printf '%03d' $((RANDOM % 171 + 30)))"
    # Let go one by one, a little apart, as fingers do.
    for k in "${chosen[@]}"; do
      xdotool keyup "$k" 2>/dev/null
      sleep "0.0$((RANDOM % 5))"
    done
    sleep "0.$(printf '%03d' $((RANDOM % 120)))"
  done
}
press_keys &
keys_pid=$!

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null; }
alive() { [ -n "$(ps -o stat= -p "$1" 2>/dev/null | grep -v Z)" ]; }
named_windows() { xwininfo -root -tree 2>/dev/null | grep -v 'has no name' | grep -c '"'; }

echo "# seconds resident_kB ($game, $duration s)" >"$log"
crash=no
error_box=no
start=$(date +%s)
next_sample=$start
while :; do
  now=$(date +%s)
  [ $((now - start)) -ge "$duration" ] && break
  if ! alive "$game_pid"; then crash=yes; break; fi
  if [ -n "$(pgrep -P "$game_pid")" ] || [ "$(named_windows)" -gt 1 ]; then error_box=yes; break; fi
  if [ "$now" -ge "$next_sample" ]; then
    echo "$((now - start)) $(rss_kb "$game_pid")" >>"$log"
    next_sample=$((next_sample + sample_every))
  fi
  sleep 1
done
kill "$keys_pid" 2>/dev/null
wait "$keys_pid" 2>/dev/null
keys_pid=""
# Let go of everything, then end the program the player's way.
xdotool keyup Left Right Up Down Shift_L Control_L c v n b Return y space s t 2>/dev/null
if [ "$crash" = no ] && [ "$error_box" = no ]; then
  xdotool key Escape 2>/dev/null
  for _ in $(seq 50); do alive "$game_pid" || break; sleep 0.1; done
  alive "$game_pid" && echo "note: the program did not end on Esc"
fi

summary=$(awk -v warm="$warmup" '
  !/^#/ && NF == 2 && $2 != "" {
    n++; if (n == 1 || $2 < lo) lo = $2; if (n == 1 || $2 > hi) hi = $2
    if ($1 >= warm && base == "") base = $2
    last = $2
  }
  END {
    if (base == "") base = last
    printf "%d %d %d %d %d\n", n, lo, hi, base, last - base
  }' "$log")
read -r samples min_kb max_kb base_kb growth_kb <<<"$summary"
echo "soak_window: $(basename "$game"), $(( $(date +%s) - start )) s of $duration s"
echo "  samples $samples (every $sample_every s, log $log)"
echo "  resident min $min_kb kB, max $max_kb kB; after ${warmup} s $base_kb kB, growth since then $growth_kb kB (limit $growth_limit kB)"
echo "  crash $crash, error box $error_box"
status=0
if [ "$crash" = yes ]; then
  echo "FAIL: the program ended during the run: $(tail -n 20 "$work/game.log")"
  status=1
fi
[ "$error_box" = yes ] && { echo "FAIL: an error box came up: $(tail -n 20 "$work/game.log")"; status=1; }
[ "${growth_kb:-0}" -gt "$growth_limit" ] && { echo "FAIL: resident memory grew by $growth_kb kB"; status=1; }
[ "$samples" -gt 0 ] || { echo "FAIL: no memory samples"; status=1; }
cleanup
[ "$status" -eq 0 ] && echo "soak_window: PASS"
exit "$status"

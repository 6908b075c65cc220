#!/usr/bin/env bash
# The real program under a virtual X display: its window appears, black; a second copy ends at once
# with 0 while the first runs on; Esc ends the first with 0.
set -u
game="$1"

fail() { echo "FAIL: $*"; cleanup; exit 1; }
cleanup() {
  [ -n "${game_pid:-}" ] && kill "$game_pid" 2>/dev/null
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
}

display=""
for n in $(seq 90 190); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "FAIL: no free display"; exit 1; }

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY="$display"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"

# Leak reports from the display libraries are not ours to judge here.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
export SDL_AUDIODRIVER=dummy

"$game" >/tmp/e2e_game_$$.log 2>&1 &
game_pid=$!

window=""
for _ in $(seq 150); do
  window=$(xdotool search --name '^QUENDRAVOLT$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended early: $(cat /tmp/e2e_game_$$.log)"
  sleep 0.1
done
[ -n "$window" ] || fail "no window titled QUENDRAVOLT"
sleep 1

pixel=$(import -window root -crop 1x1+512+384 txt:- 2>/dev/null | tail -n 1)
case "$pixel" in
  *"#000000"*) ;;
  *) fail "the window is not black: $pixel" ;;
esac

start=$(date +%s%N)
timeout 10 "$game" >/dev/null 2>&1
second=$?
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$second" -eq 0 ] || fail "second copy exited with $second"
[ "$elapsed_ms" -lt 5000 ] || fail "second copy took ${elapsed_ms} ms"
kill -0 "$game_pid" 2>/dev/null || fail "the first copy ended when the second started"

xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key --clearmodifiers Escape
for _ in $(seq 100); do
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$game_pid" 2>/dev/null; then fail "Esc did not end the game"; fi
wait "$game_pid"
code=$?
game_pid=""
[ "$code" -eq 0 ] || fail "the game exited with $code: $(cat /tmp/e2e_game_$$.log)"
rm -f /tmp/e2e_game_$$.log
cleanup
echo "e2e window test passed (second copy ended in ${elapsed_ms} ms)"

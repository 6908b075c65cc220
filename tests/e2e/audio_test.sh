#!/usr/bin/env bash
# Sound effects and music through the real backend into SDL's disk audio driver: the driver program
# plays a generated WAVE and a generated MIDI piece and measures the recording. Under a virtual X
# display when Xvfb is there (the music's end then arrives as a window message), else without one; then,
# with a display, once more without any sound output.
set -u
driver="$1"

cleanup() {
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  rm -f "$raw"
  wait 2>/dev/null
}
raw=$(mktemp /tmp/qv_audio_XXXXXX.raw)
trap cleanup EXIT

if command -v Xvfb >/dev/null 2>&1; then
  for n in $(seq 90 190); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
  done
  if [ -n "${display:-}" ]; then
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY="$display"
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  fi
else
  unset DISPLAY
fi

export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
export SDL_AUDIODRIVER=disk
export SDL_DISKAUDIOFILE="$raw"
timeout 60 "$driver"
code=$?
# No sound output at all: silent, and the music still ends at its length (needs a window for the notice).
if [ "$code" -eq 0 ] && [ -n "${DISPLAY:-}" ]; then
  SDL_AUDIODRIVER=none timeout 60 "$driver" --silent
  code=$?
fi
[ "$code" -eq 0 ] && echo "e2e audio test passed" || echo "FAIL: e2e audio test ($code)"
exit "$code"

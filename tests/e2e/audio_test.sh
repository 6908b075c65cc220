#!/usr/bin/env bash
# Sound effects and music through the real backend into SDL's disk audio driver: the driver program
# plays a generated WAVE and a generated MIDI piece and measures the recording, then a piece started the
# moment the output opens. Under a virtual X
# display when Xvfb is there (the music's end then arrives as a window message), else without one; then,
# with a display, once more without any sound output.
set -u
driver="$1"

cleanup() {
  stop_xvfb
  rm -f "$raw"
  wait 2>/dev/null
}
raw=$(mktemp /tmp/qv_audio_XXXXXX.raw)
trap cleanup EXIT

source "$(dirname "$0")/xvfb_session.sh"
if command -v Xvfb >/dev/null 2>&1; then
  start_xvfb || unset DISPLAY
else
  unset DISPLAY
fi

source "$(dirname "$0")/sanitizer_options.sh"
export SDL_AUDIODRIVER=disk
export SDL_DISKAUDIOFILE="$raw"
timeout 60 "$driver"
code=$?
# Music started the moment the output opens, while the soundfont may still be loading.
if [ "$code" -eq 0 ]; then
  timeout 60 "$driver" --music-first
  code=$?
fi
# No sound output at all: silent, and the music still ends at its length (needs a window for the notice).
if [ "$code" -eq 0 ] && [ -n "${DISPLAY:-}" ]; then
  SDL_AUDIODRIVER=none timeout 60 "$driver" --silent
  code=$?
fi
[ "$code" -eq 0 ] && echo "e2e audio test passed" || echo "FAIL: e2e audio test ($code)"
exit "$code"

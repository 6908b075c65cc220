#!/usr/bin/env bash
# Without a display the program says so in one line on stderr and ends with a non-zero status, instead
# of running unseen: with DISPLAY unset, and with DISPLAY naming a display that no server answers. A
# driver named in SDL_VIDEODRIVER is taken as asked: the program runs on SDL's offscreen driver, which
# is seen running by the frames that driver saves.
# Usage: no_display_test.sh <program>
set -u
game="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
work=$(mktemp -d)

fail() { echo "FAIL: $*"; cleanup; exit 1; }
cleanup() {
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}

source "$(dirname "$0")/xvfb_session.sh"
source "$(dirname "$0")/sanitizer_options.sh"
export SDL_AUDIODRIVER=dummy
unset SDL_VIDEODRIVER WAYLAND_DISPLAY WAYLAND_SOCKET

# A console's graphics device that this user may open would show the game full screen without any
# display server, so the refusals cannot be staged on such a machine.
kms=""
for card in /dev/dri/card*; do
  [ -r "$card" ] && [ -w "$card" ] && kms="$card"
done

# refused <case> <expected part of the line> <env arguments...>: the program ends within the time
# limit with a non-zero status, having said one line that tells what to do, and nothing more.
refused() {
  local name="$1" detail="$2"
  shift 2
  env "$@" timeout 60 "$game" >"$work/$name.out" 2>"$work/$name.err"
  local code=$?
  [ "$code" -ne 124 ] || fail "$name: the program still ran after 60 s: $(cat "$work/$name.err")"
  [ "$code" -ne 0 ] || fail "$name: the program ended with 0: $(cat "$work/$name.err")"
  [ ! -s "$work/$name.out" ] || fail "$name: the program wrote on stdout: $(cat "$work/$name.out")"
  [ "$(wc -l <"$work/$name.err")" -eq 1 ] || fail "$name: not one line on stderr: $(cat "$work/$name.err")"
  case "$(cat "$work/$name.err")" in
    "$(basename "$game"): no display could be opened ($detail); run it from a graphical session, or set DISPLAY"*) ;;
    *) fail "$name: the program said: $(cat "$work/$name.err")" ;;
  esac
  echo "$name: ended with $code saying: $(cat "$work/$name.err")"
}

if [ -n "$kms" ]; then
  echo "skipping the cases without a display: $kms could show the game"
else
  # As from a text console: no display, and no runtime folder either.
  refused no_display "DISPLAY is not set" -u DISPLAY -u XDG_RUNTIME_DIR
  unreachable=$(free_display top) || fail "no free display number"
  refused unreachable "no X server answers at DISPLAY=$unreachable" DISPLAY="$unreachable"
fi

# Asked for offscreen: it runs. The offscreen driver saves every frame that reaches its window surface,
# which the software renderer draws through; the frames land in the working folder. All offscreen
# copies of one user share one single-instance name: while another runs (another test's, on this
# machine), this one is refused, and is started again once that one has gone.
frame="$work/frames/SDL_window1-00000005.bmp"
start=$SECONDS
pid=""
while [ ! -e "$frame" ] && [ $((SECONDS - start)) -lt 120 ]; do
  if [ -z "$pid" ]; then
    rm -rf "$work/frames" && mkdir "$work/frames"
    (
      cd "$work/frames" &&
        exec env -u DISPLAY SDL_VIDEODRIVER=offscreen SDL_RENDER_DRIVER=software \
          SDL_FRAMEBUFFER_ACCELERATION=0 SDL_VIDEO_OFFSCREEN_SAVE_FRAMES=1 "$game"
    ) >"$work/offscreen.out" 2>"$work/offscreen.err" &
    pid=$!
  fi
  if ! running "$pid"; then
    wait "$pid" 2>/dev/null
    pid=""
    grep -q "already running" "$work/offscreen.err" || fail "offscreen: the program ended: $(cat "$work/offscreen.err")"
    echo "offscreen: another offscreen copy runs; trying again"
    sleep 1
    continue
  fi
  sleep 0.1
done
[ -e "$frame" ] || fail "offscreen: no fifth frame after 120 s: $(ls "$work/frames" | head -n 3) $(cat "$work/offscreen.err")"
running "$pid" || fail "offscreen: the program ended: $(cat "$work/offscreen.err")"
grep -q "no display" "$work/offscreen.err" && fail "offscreen: the program said: $(cat "$work/offscreen.err")"
kill "$pid"
wait "$pid" 2>/dev/null
pid=""
echo "offscreen as asked: running, frames drawn"
cleanup
[ -n "$kms" ] && exit 77
echo "no-display test passed for $game"

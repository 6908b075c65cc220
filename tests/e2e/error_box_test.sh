#!/usr/bin/env bash
# Ending the real program while an error box shows leaves nothing behind. A picture is missing, so the
# program shows its error box (from a child process, on X11) over its full-screen window and names the
# file on stderr; then the program is ended by SIGTERM, by SIGINT, by its display connection being
# killed, or by another program destroying its window, and no process of it and no window may remain.
# Usage: error_box_test.sh <program> <folder of the built data files>
set -u
set -m  # background programs keep SIGINT, as when started from a terminal
game="$1"
data=$(cd "$2" && pwd)
missing="FBAK1.BMP"
work=$(mktemp -d)

fail() { echo "FAIL: $*"; cleanup; exit 1; }
cleanup() {
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  [ -n "${child:-}" ] && kill "$child" 2>/dev/null
  stop_xvfb
  wait 2>/dev/null
  rm -rf "$work"
}

source "$(dirname "$0")/xvfb_session.sh"
start_own_xvfb -nolisten tcp || fail "Xvfb did not start"
export SDL_AUDIODRIVER=dummy
source "$(dirname "$0")/sanitizer_options.sh"

# The program beside its data, one picture short. The program finds its data beside its own file, so
# it is copied; the data are linked.
mkdir -p "$work/game/IMAGE"
cp "$game" "$work/game/"
program="$work/game/$(basename "$game")"
for entry in "$data"/*; do
  case "$(basename "$entry")" in
    IMAGE | "$(basename "$game")") ;;
    *) ln -s "$entry" "$work/game/" ;;
  esac
done
for entry in "$data"/IMAGE/*; do
  [ "$(basename "$entry")" = "$missing" ] || ln -s "$entry" "$work/game/IMAGE/"
done

named_windows() { xwininfo -root -tree 2>/dev/null | grep -v 'has no name' | grep -c '"'; }

for how in TERM INT kill close; do
  "$program" >"$work/$how.log" 2>&1 &
  pid=$!
  child=""
  for _ in $(seq 150); do
    child=$(pgrep -P "$pid" | head -n 1)
    [ -n "$child" ] && break
    running "$pid" || fail "the program ended before its error box: $(cat "$work/$how.log")"
    sleep 0.1
  done
  [ -n "$child" ] || fail "no error box came up: $(cat "$work/$how.log")"
  # The box is a process of its own: on a loaded machine its window can take seconds to show.
  for _ in $(seq 100); do
    [ "$(named_windows)" -ge 2 ] && break
    sleep 0.1
  done
  [ "$(named_windows)" -ge 2 ] || fail "the box and the window are not both shown: $(xwininfo -root -tree 2>/dev/null | grep -v "has no name" | grep "\"")"
  grep -q "IMAGE/$missing" "$work/$how.log" || fail "the error line does not name the file: $(cat "$work/$how.log")"
  case "$how" in
    TERM) kill -TERM "$pid" ;;
    INT) kill -INT "$pid" ;;
    kill) xdotool windowkill "$(xdotool search --name '^QUENDRAVOLT$' | head -n 1)" ;;
    close) xdotool windowclose "$(xdotool search --name '^QUENDRAVOLT$' | head -n 1)" ;;
  esac
  start=$SECONDS
  while [ $((SECONDS - start)) -lt 30 ]; do
    if ! running "$pid" && ! running "$child" && [ "$(named_windows)" -eq 0 ]; then break; fi
    sleep 0.1
  done
  running "$pid" && fail "$how: the program is still running"
  running "$child" && fail "$how: the error box's process is still running"
  [ "$(named_windows)" -eq 0 ] && [ -z "$(xdotool search --name '^QUENDRAVOLT$' 2>/dev/null)" ] ||
    fail "$how: windows remain: $(xwininfo -root -tree | grep -v 'has no name' | grep '"')"
  wait "$pid" 2>/dev/null
  code=$?
  pid=""
  child=""
  echo "$how while the error box showed: nothing left (status $code)"
done
cleanup
echo "error box test passed for $game"

#!/usr/bin/env bash
# One copy of the game per display: copies on two virtual X displays both run; a second copy on the
# same display as the first brings it to the front and ends at once with 0, saying why in one line,
# however that display is spelled (the first display also listens on TCP, so that host names reach it).
# Usage: instance_test.sh <program>
set -u
game="$1"
work=$(mktemp -d)

fail() { echo "FAIL: $*"; cleanup; exit 1; }
cleanup() {
  [ -n "${pid_a:-}" ] && kill "$pid_a" 2>/dev/null
  [ -n "${pid_b:-}" ] && kill "$pid_b" 2>/dev/null
  [ -n "${xvfb_a:-}" ] && kill "$xvfb_a" 2>/dev/null
  stop_xvfb
  wait 2>/dev/null
  rm -rf "$work"
}

source "$(dirname "$0")/xvfb_session.sh"
start_own_xvfb -listen tcp || fail "the first Xvfb did not start"
display_a="$DISPLAY"
xvfb_a="$xvfb_pid"
xvfb_pid=""
start_own_xvfb -nolisten tcp || fail "the second Xvfb did not start"
display_b="$DISPLAY"
export SDL_AUDIODRIVER=dummy
source "$(dirname "$0")/sanitizer_options.sh"

# server_state <DISPLAY> <pid>: whether an X server's process runs and answers, for a failure's message.
server_state() {
  echo "(server on $1: $(running "$2" && echo running || echo ended), $(DISPLAY="$1" xdpyinfo >/dev/null 2>&1 && echo answers || echo "does not answer"))"
}

DISPLAY="$display_a" "$game" >"$work/a.log" 2>&1 &
pid_a=$!
DISPLAY="$display_a" await_window "$pid_a" ||
  fail "no window on the first display: $(cat "$work/a.log") $(server_state "$display_a" "$xvfb_a")"
DISPLAY="$display_b" "$game" >"$work/b.log" 2>&1 &
pid_b=$!
DISPLAY="$display_b" await_window "$pid_b" ||
  fail "the copy on the second display did not run: $(cat "$work/b.log") $(server_state "$display_b" "$xvfb_pid")"
kill -0 "$pid_a" 2>/dev/null || fail "the first copy ended when the second started on another display"

# second_copy <DISPLAY>: a copy started on the first display, spelled so.
second_copy() {
  DISPLAY="$1" timeout 60 "$game" >"$work/second.out" 2>"$work/second.err"
  local code=$?
  [ "$code" -eq 0 ] || fail "a second copy on $1 ended with $code: $(cat "$work/second.err")"
  [ ! -s "$work/second.out" ] || fail "a second copy on $1 wrote on stdout: $(cat "$work/second.out")"
  [ "$(wc -l <"$work/second.err")" -eq 1 ] || fail "a second copy on $1 did not say one line: $(cat "$work/second.err")"
  grep -q "already running" "$work/second.err" || fail "a second copy on $1 said: $(cat "$work/second.err")"
  kill -0 "$pid_a" 2>/dev/null || fail "the first copy ended when a second started on $1"
  kill -0 "$pid_b" 2>/dev/null || fail "the copy on the other display ended when a second started on $1"
  echo "a second copy on $1 was refused"
}
for spelling in "$display_a" "$display_a.0" "unix$display_a" "localhost$display_a" "localhost$display_a.0" \
  "127.0.0.1$display_a"; do
  second_copy "$spelling"
done
# This machine's name reaches the display only where the name resolves to an address of it.
if DISPLAY="$(hostname)$display_a" xdpyinfo >/dev/null 2>&1; then
  second_copy "$(hostname)$display_a"
else
  echo "this machine's name $(hostname) does not reach $display_a; that spelling is not tried"
fi
cleanup
echo "instance test passed for $game"

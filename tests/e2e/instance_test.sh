#!/usr/bin/env bash
# One copy of the game per display: copies on two virtual X displays both run; a second copy on the
# same display as the first brings it to the front and ends at once with 0, saying why in one line.
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
start_xvfb || fail "the first Xvfb did not start"
display_a="$DISPLAY"
xvfb_a="$xvfb_pid"
xvfb_pid=""
start_xvfb || fail "the second Xvfb did not start"
display_b="$DISPLAY"
export SDL_AUDIODRIVER=dummy
source "$(dirname "$0")/sanitizer_options.sh"


DISPLAY="$display_a" "$game" >"$work/a.log" 2>&1 &
pid_a=$!
DISPLAY="$display_a" await_window "$pid_a" || fail "no window on the first display: $(cat "$work/a.log")"
DISPLAY="$display_b" "$game" >"$work/b.log" 2>&1 &
pid_b=$!
DISPLAY="$display_b" await_window "$pid_b" || fail "the copy on the second display did not run: $(cat "$work/b.log")"
kill -0 "$pid_a" 2>/dev/null || fail "the first copy ended when the second started on another display"

DISPLAY="$display_a" timeout 10 "$game" >"$work/second.out" 2>"$work/second.err"
code=$?
[ "$code" -eq 0 ] || fail "the second copy on the same display ended with $code: $(cat "$work/second.err")"
[ ! -s "$work/second.out" ] || fail "the second copy wrote on stdout: $(cat "$work/second.out")"
[ "$(wc -l <"$work/second.err")" -eq 1 ] || fail "the second copy did not say one line: $(cat "$work/second.err")"
grep -q "already running" "$work/second.err" || fail "the second copy said: $(cat "$work/second.err")"
kill -0 "$pid_a" 2>/dev/null || fail "the first copy ended when a second started beside it"
kill -0 "$pid_b" 2>/dev/null || fail "the copy on the other display ended"
cleanup
echo "instance test passed for $game"

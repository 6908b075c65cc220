#!/usr/bin/env bash
# The real program without a sound device (SDL asked for an audio driver that does not exist): it says so
# in one line on the error stream and nothing else, shows its title and ends with 0 on Esc.
# Usage: no_sound_test.sh <game>
set -u
game="$1"
work=$(mktemp -d)
pid=""

cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  stop_xvfb
  wait 2>/dev/null
  rm -rf "$work"
}
fail() {
  echo "FAIL: $*"
  cleanup
  exit 1
}

source "$(dirname "$0")/xvfb_session.sh"
source "$(dirname "$0")/sanitizer_options.sh"
start_own_xvfb -nolisten tcp || fail "Xvfb did not start"

SDL_AUDIODRIVER=nosuchdriver QV_PRESENT_LOG="$work/presents" "$game" >"$work/out" 2>"$work/err" &
pid=$!
await_frames "$pid" "$work/presents" 30 || fail "no title frames: $(cat "$work/err")"
press "$pid" "$work/presents" Escape
await_exit "$pid" || fail "the program did not end on Esc"
wait "$pid"
status=$?
pid=""
[ "$status" -eq 0 ] || fail "the program ended with $status: $(cat "$work/err")"

said='^No sound device could be opened \(.+\); the game plays without sound\.$'
[ "$(grep -cE "$said" "$work/err")" -eq 1 ] || fail "not said once that there is no sound: $(cat "$work/err")"
others=$(grep -vE "$said" "$work/err")
[ -z "$others" ] || fail "more said on the error stream: $others"
echo "without sound: $(cat "$work/err")"
cleanup
echo "no-sound test passed for $game"

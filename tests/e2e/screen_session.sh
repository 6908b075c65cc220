# Sourced by the screenshot tests, after they set keep (a folder to keep the screenshots in, or nothing):
# a folder for the shots, a virtual X display of their own, no sound device, and fail and cleanup, which
# end the program under test (game_pid) and the display and keep the shots.
shots=$(mktemp -d)

fail() { echo "FAIL: $*"; cleanup; exit 1; }
stop_game() {
  [ -n "${game_pid:-}" ] && kill "$game_pid" 2>/dev/null
  wait "${game_pid:-}" 2>/dev/null
  game_pid=""
}
cleanup() {
  stop_game
  stop_xvfb
  wait 2>/dev/null
  [ -n "${keep:-}" ] && cp "$shots"/*.png "$keep"/ 2>/dev/null
  rm -rf "$shots"
}

source "$(dirname "${BASH_SOURCE[0]}")/xvfb_session.sh"
start_xvfb || fail "Xvfb did not start"
export SDL_AUDIODRIVER=dummy

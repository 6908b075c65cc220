# Sourced by the screenshot tests, after they set keep (a folder to keep the screenshots in, or nothing):
# a folder for the shots, a virtual X display of their own, no sound device, fail and cleanup, which end
# the program under test (game_pid) and the display and keep the shots, and grab, which takes them.
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
  if [ -n "${keep:-}" ]; then
    mkdir -p "$keep"
    for f in "$shots"/*.ppm; do [ -e "$f" ] && convert "$f" "$keep/$(basename "${f%.ppm}").png"; done
  fi
  rm -rf "$shots"
}

source "$(dirname "${BASH_SOURCE[0]}")/xvfb_session.sh"
start_xvfb || fail "Xvfb did not start"
export SDL_AUDIODRIVER=dummy

# grab <name> <width> <height> <left> <top>: the rectangle of the display as $shots/<name>.ppm. The tests
# name a grabber that takes it in milliseconds in QV_SCREEN_GRAB, so that the shot shows the frame the
# script waited for; run by hand without it, ImageMagick's import takes it in about half a second.
grab() {
  if [ -n "${QV_SCREEN_GRAB:-}" ]; then
    "$QV_SCREEN_GRAB" "$4" "$5" "$2" "$3" "$shots/$1.ppm"
  else
    import -window root -crop "$2x$3+$4+$5" +repage "$shots/$1.ppm" 2>/dev/null
  fi
}

# grab_frames <prefix> <width> <height> <left> <top> <pid> <present log> <shots> <frames apart>: as many
# screenshots, $shots/<prefix>1.ppm on, each once process <pid> has shown that many more frames.
grab_frames() {
  if [ -n "${QV_SCREEN_GRAB:-}" ]; then
    "$QV_SCREEN_GRAB" "$4" "$5" "$2" "$3" "$shots/$1" "$7" "$8" "$9"
    return
  fi
  local i next
  next=$(presented "$7")
  for i in $(seq "$8"); do
    next=$((next + $9))
    await_frames "$6" "$7" "$next" >/dev/null || return 1
    grab "$1$i" "$2" "$3" "$4" "$5" || return 1
  done
}

# Sourced by the end-to-end scripts: a virtual X display of its own on a free number.
# start_xvfb sets DISPLAY and xvfb_pid and returns non-zero when no display could be started;
# stop_xvfb ends it.

start_xvfb() {
  local n display=""
  for n in $(seq 90 190); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
  done
  [ -n "$display" ] || return 1
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY="$display"
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

stop_xvfb() {
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  xvfb_pid=""
}

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

# running <pid>: whether the process is alive; an ended child that is not reaped yet is not.
running() { [ -n "$(ps -o stat= -p "$1" 2>/dev/null | grep -v Z)" ]; }

# await_window <pid> [title pattern]: waits until process <pid> shows a window whose name matches the
# pattern (the game's title by default) on $DISPLAY and sets window to it. A loaded machine can take
# many seconds to start a sanitizer build, so the wait is long; returns non-zero at once when the
# process ends, and after the wait with what the process was doing printed, to tell a slow start from
# a stuck one.
await_window() {
  local pid="$1" pattern="${2:-^QUENDRAVOLT$}" start=$SECONDS
  window=""
  while [ $((SECONDS - start)) -lt 60 ]; do
    window=$(xdotool search --name "$pattern" 2>/dev/null | head -n 1)
    [ -n "$window" ] && return 0
    running "$pid" || return 1
    sleep 0.1
  done
  echo "no window after $((SECONDS - start)) s; windows on $DISPLAY:"
  xwininfo -root -tree 2>/dev/null | grep '"' | head -n 20
  echo "threads of $pid:"
  local task
  for task in /proc/"$pid"/task/*; do
    echo "  $(cat "$task/comm" 2>/dev/null) $(cut -d' ' -f3 "$task/stat" 2>/dev/null) $(cat "$task/wchan" 2>/dev/null)"
  done
  command -v gdb >/dev/null && timeout 30 gdb -p "$pid" -batch -ex 'thread apply all bt 12' 2>/dev/null |
    grep -E '^(Thread|#)'
  return 1
}

# free_display [top]: prints a display (":N") that no X server here holds: no lock file, no socket, and
# no listener on its TCP port (6000 + N). With "top", the highest such number, which the displays that
# these scripts start take last.
free_display() {
  local n port order="90 190"
  [ "${1:-}" = top ] && order="190 -1 90"
  for n in $(seq $order); do
    port=$(printf '%04X' $((6000 + n)))
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ] &&
      ! grep -qE ":$port [0-9A-F]+:0000 0A " /proc/net/tcp /proc/net/tcp6 2>/dev/null; then
      echo ":$n"
      return 0
    fi
  done
  return 1
}

# start_own_xvfb [Xvfb options...]: as start_xvfb, but the server takes a free display number itself and
# says which, so that scripts starting servers at the same moment never meet on one number. The number
# may be a low one that other programs take for granted (:0): the server does not reset when such a
# client leaves it, which would drop a program connecting just then.
start_own_xvfb() {
  local said start=$SECONDS
  said=$(mktemp)
  Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 "$@" 3>"$said" >/dev/null 2>&1 &
  xvfb_pid=$!
  while [ $((SECONDS - start)) -lt 30 ]; do
    if grep -qx '[0-9][0-9]*' "$said"; then
      export DISPLAY=":$(cat "$said")"
      rm -f "$said"
      return 0
    fi
    running "$xvfb_pid" || break
    sleep 0.1
  done
  rm -f "$said"
  return 1
}

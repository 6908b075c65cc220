# Sourced by the end-to-end scripts: a virtual X display of its own on a free number.
# start_xvfb sets DISPLAY and xvfb_pid and returns non-zero when no display could be started; the server
# picks its number itself, so that scripts of suites running side by side never meet on one display.
# stop_xvfb ends it.

start_xvfb() {
  start_own_xvfb -nolisten tcp
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

# Waits on what the program under test shows or prints, never on the wall clock alone: a slow start, a
# sanitizer build or a loaded machine only make a wait longer. Every wait ends after frame_wait_limit
# seconds (long, for a sanitizer build on a busy machine), or at once when the program ends, and then says
# what it awaited and what it saw last.
frame_wait_limit="${QV_FRAME_WAIT_LIMIT:-240}"

# presented <file>: the lines of a file the program writes one line a frame to: its present log (the file
# named by QV_PRESENT_LOG, a line for each frame presented) or the scene driver's frame lines.
presented() {
  local n
  n=$(wc -l 2>/dev/null <"$1") || n=0
  echo "${n:-0}"
}

# reached <file> <name> <value>: whether a line of the file gives <name> a number of at least <value>, as
# the scene driver's frame lines do ("frame 12 time 0.200 stage 301.50 clock 40").
reached() {
  awk -v name="$2" -v value="$3" '
    { for (i = 1; i < NF; i++) if ($i == name && $(i + 1) + 0 >= value + 0) { found = 1; exit } }
    END { exit !found }' "$1" 2>/dev/null
}

# await <pid> <what> <last seen> <condition ...>: runs the condition until it holds, while process <pid>
# runs and the limit has not passed; on failure prints what was awaited and the last seen command's output.
await() {
  local pid="$1" what="$2" seen="$3" start=$SECONDS
  shift 3
  while ! "$@"; do
    if ! running "$pid"; then
      echo "awaited $what; the program ended, last seen: $(eval "$seen")"
      return 1
    fi
    if [ $((SECONDS - start)) -ge "$frame_wait_limit" ]; then
      echo "awaited $what for $frame_wait_limit s; last seen: $(eval "$seen")"
      return 1
    fi
    sleep 0.02
  done
}

# await_frames <pid> <file> <count>: waits until the program has written <count> lines to its present log
# or frame lines.
at_least_lines() { [ "$(presented "$1")" -ge "$2" ]; }
await_frames() {
  await "$1" "frame $3" "echo frame \$(presented '$2')" at_least_lines "$2" "$3"
}

# await_value <pid> <frame lines> <name> <value>: waits until the scene driver's frame lines give <name> a
# number of at least <value>.
await_value() {
  await "$1" "$3 $4" "tail -n 1 '$2'" reached "$2" "$3" "$4"
}

# await_line <pid> <file> <line>: waits until the program's output holds the whole line.
has_line() { grep -qxF "$2" "$1" 2>/dev/null; }
await_line() {
  await "$1" "\"$3\"" "tail -n 1 '$2'" has_line "$2" "$3"
}

# await_exit <pid>: waits until process <pid> has ended (a sanitizer build checks for leaks on its way out).
await_exit() {
  local pid="$1" start=$SECONDS
  while running "$pid"; do
    if [ $((SECONDS - start)) -ge "$frame_wait_limit" ]; then
      echo "awaited the end of the program for $frame_wait_limit s"
      return 1
    fi
    sleep 0.05
  done
}

# press <pid> <file> <key>: holds a key as a person does, about 100 ms, and on until the program has shown
# two more frames (lines of its present log or frame lines): its frames read the keys, and on a slow
# machine 100 ms may not hold one. A key that ends the program is let go when the program has ended.
press() {
  local pid="$1" file="$2" key="$3" from
  from=$(presented "$file")
  xdotool keydown "$key"
  sleep 0.1
  await_frames "$pid" "$file" $((from + 2)) >/dev/null
  xdotool keyup "$key"
}

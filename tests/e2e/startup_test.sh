#!/usr/bin/env bash
# Start-up time and memory of the real programs under a virtual X display, against a bare SDL program
# that opens the same full-screen window. A process starts when its launcher stamps the monotonic clock
# just before exec; its first frame is the first line of its present log (for the games, the title's
# first frame). Each program is started a few times and the median kept: a game's first frame may come
# at most 400 ms after its start later than the bare program's does. Then every program runs at once,
# each on a display of its own, and 10 s after the start a game may hold at most 60 MB more resident
# memory than the bare program. Sound goes to SDL's dummy driver, which the games open as they open any
# other: the music's synthesiser and its soundfont are set up as usual. When even the bare program takes
# over 1.5 s to its first frame, or more processes wait to run than the machine has cores (the load
# average of the last minute, at the start or at the end of the measurements), the machine is too busy to
# judge start-up times: a start-up bound that fails then skips the test (code 77); the memory bounds still
# fail it.
# Usage: startup_test.sh <bare program> <stamping launcher> <game> [game ...]
set -u
bare="$1"
stamped="$2"
shift 2
games=("$@")
work=$(mktemp -d)
runs="${STARTUP_RUNS:-3}"
max_extra_ms="${STARTUP_MAX_EXTRA_MS:-400}"
max_extra_mb="${STARTUP_MAX_EXTRA_MB:-60}"
memory_wait_s=10
busy_bare_ms=1500
# Processes and displays started and still running.
pids=""
displays=""

fail() { echo "FAIL: $*"; cleanup; exit 1; }
cleanup() {
  for p in $pids; do kill "$p" 2>/dev/null; done
  for x in $displays; do kill "$x" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}

source "$(dirname "$0")/xvfb_session.sh"
# A display of its own for each program started at once: the games allow one copy per display.
new_display() {
  start_xvfb || fail "Xvfb did not start"
  displays="$displays $xvfb_pid"
  xvfb_pid=""
}
export SDL_AUDIODRIVER=dummy
load_before=$(cut -d' ' -f1 /proc/loadavg)

# Starts a program (name, path, arguments ...) with its present log and stamp in $work/<name>.*;
# leaves its process id in $launched.
launch() {
  local name="$1"
  shift
  rm -f "$work/$name.presents" "$work/$name.stamp"
  QV_PRESENT_LOG="$work/$name.presents" "$stamped" "$work/$name.stamp" "$@" >"$work/$name.log" 2>&1 &
  launched=$!
  pids="$pids $launched"
}

# Milliseconds from a program's start to its first present, once it has presented.
first_frame_ms() {
  local name="$1" pid="$2"
  await_frames "$pid" "$work/$name.presents" 1 >&2 || fail "$name showed no frame: $(cat "$work/$name.log")"
  awk -v s="$(cat "$work/$name.stamp")" 'NR == 1 { printf "%.1f", ($1 - s) / 1e6; exit }' "$work/$name.presents"
}

median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

resident_mb() { awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status" 2>/dev/null; }

new_display
declare -A startup
for program in bare "${games[@]}"; do
  if [ "$program" = bare ]; then name=bare; command=("$bare" 20 fullscreen); else name=$(basename "$program"); command=("$program"); fi
  times=""
  for _ in $(seq "$runs"); do
    launch "$name" "${command[@]}"
    times="$times $(first_frame_ms "$name" "$launched")"
    kill "$launched"
    wait "$launched" 2>/dev/null
    pids=${pids/ $launched/}
  done
  startup[$name]=$(echo "$times" | median)
  echo "$name: first frame after$times ms (median ${startup[$name]})"
done
for x in $displays; do kill "$x" 2>/dev/null; done
displays=""

# Memory: every program at once, each on its own display.
declare -A pid_of
for program in bare "${games[@]}"; do
  new_display
  if [ "$program" = bare ]; then name=bare; launch bare "$bare" 20 fullscreen; else name=$(basename "$program"); launch "$name" "$program"; fi
  pid_of[$name]=$launched
done
sleep "$memory_wait_s"
declare -A resident
for name in "${!pid_of[@]}"; do
  resident[$name]=$(resident_mb "${pid_of[$name]}")
  [ -n "${resident[$name]}" ] || fail "$name ended early: $(cat "$work/$name.log")"
done
echo "resident after ${memory_wait_s} s: bare ${resident[bare]} MB"

status=0
busy=0
awk "BEGIN { exit !(${startup[bare]} > $busy_bare_ms) }" && busy=1
load_after=$(cut -d' ' -f1 /proc/loadavg)
for load in "$load_before" "$load_after"; do
  awk "BEGIN { exit !($load > $(nproc)) }" && busy=1
done
echo "load average: $load_before at the start, $load_after at the end, on $(nproc) cores"
for program in "${games[@]}"; do
  name=$(basename "$program")
  extra_ms=$(awk -v g="${startup[$name]}" -v b="${startup[bare]}" 'BEGIN { printf "%.1f", g - b }')
  extra_mb=$(awk -v g="${resident[$name]}" -v b="${resident[bare]}" 'BEGIN { printf "%.1f", g - b }')
  echo "$name: first frame ${extra_ms} ms after the bare program's, ${resident[$name]} MB resident (${extra_mb} MB more)"
  if ! awk "BEGIN { exit !($extra_ms <= $max_extra_ms) }"; then
    if [ "$busy" -eq 1 ]; then
      echo "SKIP: $name starts ${extra_ms} ms slower, but the machine is too busy to judge"
      [ "$status" -eq 0 ] && status=77
    else
      echo "FAIL: $name starts ${extra_ms} ms slower"
      status=1
    fi
  fi
  awk "BEGIN { exit !($extra_mb <= $max_extra_mb) }" || { echo "FAIL: $name holds ${extra_mb} MB more"; status=1; }
done
cleanup
[ "$status" -eq 0 ] && echo "start-up test passed"
exit "$status"

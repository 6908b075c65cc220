#!/usr/bin/env bash
# Frame pacing of the real programs under a virtual X display. Each scene driver runs a stage-shaped
# frame (3 ms of work on the processor, vertical-blank wait, present) for 19 s with the present log on,
# beside a bare SDL program that clears and presents an 800x600 window 60 times a second. After the
# first second the driver's presents must come every 16.67 ms on average (+-0.1), at most one interval
# in 1000 may exceed 20 ms, and, the frames' own work (3 ms of every 16.67) set aside, the driver may
# use at most 10 points of a core more than the bare program over the same seconds. When the machine
# is too busy for even the bare program to keep its intervals, pacing cannot be judged: the test is
# skipped (code 77) unless something else failed. Last, a driver with no scene to run must idle below
# 10% of a core; on a machine found too busy above, more is a skip too: a loop that waits for messages
# spends more of a core on each wake-up there.
# Usage: pacing_test.sh <bare program> <scene driver> [scene driver ...]
set -u
bare="$1"
shift
work=$(mktemp -d)
# Over 1000 intervals after the first second, so that one late wake-up in 1000 is allowed.
run_seconds=19
work_ms=3
work_share=$(awk -v w="$work_ms" 'BEGIN { printf "%.1f", 100 * w * 60 / 1000 }')
hz=$(getconf CLK_TCK)
busy=""

fail() { echo "FAIL: $*"; cleanup; exit 1; }
cleanup() {
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  [ -n "${bare_pid:-}" ] && kill "$bare_pid" 2>/dev/null
  stop_xvfb
  wait 2>/dev/null
  rm -rf "$work"
}

source "$(dirname "$0")/xvfb_session.sh"
start_xvfb || fail "Xvfb did not start"
export SDL_AUDIODRIVER=dummy

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null; }
# Percent of one core: ticks used over nanoseconds of wall time.
percent() { awk -v t="$1" -v w="$2" -v hz="$hz" 'BEGIN { printf "%.1f", 100 * t / hz / (w / 1e9) }'; }
# Intervals between presents from one second after the first on: count, mean ms, count over 20 ms,
# seconds covered.
intervals() {
  awk '
    NR == 1 { first = $1 }
    $1 - first < 1e9 { previous = $1; next }
    { d = ($1 - previous) / 1e6; previous = $1; n++; sum += d; if (d > 20) long++; last = $1 }
    END { printf "%d %.3f %d %.1f\n", n, n ? sum / n : 0, long + 0, (last - first) / 1e9 }' "$1"
}

for driver in "$@"; do
  name=$(basename "$driver")
  # The bare program runs until it is ended, however long the driver takes to start.
  QV_PRESENT_LOG="$work/bare.presents" "$bare" "$frame_wait_limit" >"$work/bare.log" 2>&1 &
  bare_pid=$!
  # The driver's window must open last: it runs only while it has the focus.
  await_window "$bare_pid" '^bare present$' || fail "the bare program shows no window: $(cat "$work/bare.log")"
  QV_PRESENT_LOG="$work/$name.presents" "$driver" pacing "$work_ms" busy >"$work/$name.log" 2>&1 &
  pid=$!
  # A second of frames before the measure: a loaded machine may take long to start the driver.
  await_frames "$pid" "$work/$name.presents" 60 || fail "$name shows no frames: $(cat "$work/$name.log")"
  b0=$(ticks "$bare_pid") || fail "the bare program ended early: $(cat "$work/bare.log")"
  d0=$(ticks "$pid") || fail "$name ended early: $(cat "$work/$name.log")"
  w0=$(date +%s%N)
  sleep $((run_seconds - 1))
  b1=$(ticks "$bare_pid") || fail "the bare program ended early: $(cat "$work/bare.log")"
  d1=$(ticks "$pid") || fail "$name ended early: $(cat "$work/$name.log")"
  w1=$(date +%s%N)
  kill "$pid" "$bare_pid"
  wait "$pid" "$bare_pid" 2>/dev/null
  pid=""
  bare_pid=""
  bare_cpu=$(percent $((b1 - b0)) $((w1 - w0)))
  cpu=$(percent $((d1 - d0)) $((w1 - w0)))
  [ -s "$work/$name.presents" ] || fail "$name logged no presents: $(cat "$work/$name.log")"
  read -r count mean long span < <(intervals "$work/$name.presents")
  read -r bare_count bare_mean bare_long _ < <(intervals "$work/bare.presents")
  echo "$name: $count intervals over ${span} s, mean ${mean} ms, $long over 20 ms," \
    "${cpu}% of a core (${work_share} of it the frames' work);" \
    "bare program beside it: mean ${bare_mean} ms, $bare_long of $bare_count over 20 ms, ${bare_cpu}% of a core"
  awk "BEGIN { exit !($span >= $run_seconds - 2) }" || fail "$name presented for only ${span} s"
  awk "BEGIN { exit !($cpu - $work_share <= $bare_cpu + 10) }" || fail "$name used ${cpu}% against ${bare_cpu}%"
  paced=1
  awk "BEGIN { exit !($mean >= 16.567 && $mean <= 16.767) }" || paced=0
  [ $((long * 1000)) -le "$count" ] || paced=0
  if [ "$paced" -eq 0 ]; then
    [ $((bare_long * 1000)) -le "$bare_count" ] || { busy="$busy $name"; continue; }
    fail "$name: mean interval ${mean} ms, $long of $count intervals over 20 ms"
  fi
done

# With no scene to run the loop only waits for messages; measured from two seconds after it began.
"$1" 4 >"$work/idle.log" 2>&1 &
pid=$!
await_line "$pid" "$work/idle.log" started || fail "the idle driver did not start: $(cat "$work/idle.log")"
sleep 2
t0=$(ticks "$pid") || fail "the idle driver ended early: $(cat "$work/idle.log")"
w0=$(date +%s%N)
sleep 5
t1=$(ticks "$pid") || fail "the idle driver ended early: $(cat "$work/idle.log")"
w1=$(date +%s%N)
idle=$(percent $((t1 - t0)) $((w1 - w0)))
echo "$(basename "$1") with no scene: ${idle}% of a core"
if ! awk "BEGIN { exit !($idle < 10) }"; then
  [ -n "$busy" ] || fail "idle loop uses ${idle}% of a core"
  busy="$busy idle($idle%)"
fi
cleanup
if [ -n "$busy" ]; then
  echo "SKIP: the machine was too busy to judge pacing for$busy (the bare program missed its intervals too)"
  exit 77
fi
echo "pacing test passed"

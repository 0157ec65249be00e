#!/usr/bin/env bash
# Runs every benchmark from a Release build tree: the rules alone, the window's
# handlers offscreen, start-up against a bare Qt window offscreen and under
# Xvfb, and the idle CPU of the real program under Xvfb.
#   bench/run-benchmarks.sh <build dir>
# STARTUP_RUNS (default 21) and IDLE_SECONDS (default 60) shorten a trial run.
#
# With --against, only the time to the real program's first window, side by
# side with another build of it (make bench-against), ROUNDS (default 3)
# rounds of STARTUP_RUNS (default 15) interleaved starts on one Xvfb:
#   bench/run-benchmarks.sh <build dir> --against <other vantor program>
set -euo pipefail

build=$(cd "${1:?usage: $0 <build dir>}" && pwd)
runs=${STARTUP_RUNS:-21}
idle_seconds=${IDLE_SECONDS:-60}
here=$(cd "$(dirname "$0")" && pwd)

# CPU seconds of every thread of a process, in nanoseconds (schedstat), and
# utime+stime in clock ticks (stat), as one line "ns ticks".
cpu_of() {
  local pid=$1 ns=0 t
  for t in /proc/"$pid"/task/*/schedstat; do
    ns=$((ns + $(cut -d' ' -f1 "$t")))
  done
  # Fields 14 and 15 of stat, counted after the command name in parentheses.
  local ticks
  ticks=$(sed 's/^.*) //' /proc/"$pid"/stat | awk '{print $12 + $13}')
  echo "$ns $ticks"
}

idle_under_x() {
  "$build/src/app/vantor" 2>/dev/null &
  local pid=$!
  local chooser
  chooser=$(xdotool search --sync --onlyvisible --name '勢力選択' | head -1)
  xdotool windowfocus --sync "$chooser" key Return
  xdotool search --sync --onlyvisible --name '合戦状況' >/dev/null
  sleep 5
  local before after
  before=$(cpu_of "$pid")
  sleep "$idle_seconds"
  after=$(cpu_of "$pid")
  local hwm rss
  hwm=$(awk '/VmHWM/ {print $2}' /proc/"$pid"/status)
  rss=$(awk '/VmRSS/ {print $2}' /proc/"$pid"/status)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  read -r ns0 ticks0 <<<"$before"
  read -r ns1 ticks1 <<<"$after"
  local hz
  hz=$(getconf CLK_TCK)
  echo "Idle main window under Xvfb, ${idle_seconds} s (Timer1 every 10 s):"
  awk -v ns=$((ns1 - ns0)) -v t=$((ticks1 - ticks0)) -v hz="$hz" -v s="$idle_seconds" 'BEGIN {
    printf "  CPU %.3f ms = %.4f%% (schedstat, all threads); utime+stime %d ticks = %.3f%% (stat)\n",
           ns / 1e6, ns / 1e7 / s, t, t * 100 / hz / s }'
  echo "  vantor binary: peak RSS ${hwm} KiB, RSS after the idle minute ${rss} KiB"
}

if [ "${2:-}" = "--against" ]; then
  other=$(realpath "${3:?usage: $0 <build dir> --against <other vantor program>}")
  echo "== First window, $other (program 1) against $build/src/app/vantor (program 2)"
  echo "  load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"
  xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" env QT_QPA_PLATFORM=xcb bash -c '
    for round in $(seq "$1"); do "$2" --first-window "$3" "$4" "$5"; done' \
    rounds "${ROUNDS:-3}" "$build/bench/bench_startup" "${STARTUP_RUNS:-15}" "$other" "$build/src/app/vantor"
  echo "  load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
  exit 0
fi

if [ "${2:-}" = "--under-x" ]; then
  echo "== Start-up under Xvfb"
  QT_QPA_PLATFORM=xcb "$build/bench/bench_startup" "$runs" "$build/bench/bench_start_bare" "$build/bench/bench_start_vantor" "$build/bench/bench_start_chooser" 2>/dev/null
  echo
  echo "== First window of the real program under Xvfb, against the bare window"
  QT_QPA_PLATFORM=xcb "$build/bench/bench_startup" --first-window "$runs" "$build/bench/bench_start_bare" "$build/src/app/vantor"
  echo
  echo "== Idle"
  QT_QPA_PLATFORM=xcb idle_under_x
  exit 0
fi

echo "== Machine"
echo "  nproc $(nproc); $(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'); Qt $(qtpaths6 --qt-version)"
echo "  load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "== Rules"
"$build/bench/bench_rules"
echo
echo "== Window"
QT_QPA_PLATFORM=offscreen "$build/bench/bench_window" 2>/dev/null
echo
echo "== Start-up offscreen"
QT_QPA_PLATFORM=offscreen "$build/bench/bench_startup" "$runs" "$build/bench/bench_start_bare" "$build/bench/bench_start_vantor" "$build/bench/bench_start_chooser" 2>/dev/null
echo
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$here/run-benchmarks.sh" "$build" --under-x
echo "  load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"

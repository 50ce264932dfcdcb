#!/usr/bin/env bash
# Measures the application at rest: resident memory (RSS and PSS), CPU share and wakeups per
# second over a quiet period, inside the test services (a real X server, audio server and
# buses). Usage: bench/idle-footprint.sh [build-dir] [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
seconds=${2:-30}

measure() {
  local app=$1 seconds=$2
  "$app" 2>/dev/null &
  local pid=$!
  trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true' RETURN
  sleep 5 # let start-up settle before measuring

  local ticks_per_second cpu_before cpu_after switches_before switches_after
  ticks_per_second=$(getconf CLK_TCK)
  cpu_ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
  context_switches() {
    cat /proc/"$pid"/task/*/status | awk '/ctxt_switches/ {sum += $2} END {print sum}'
  }
  cpu_before=$(cpu_ticks)
  switches_before=$(context_switches)
  sleep "$seconds"
  cpu_after=$(cpu_ticks)
  switches_after=$(context_switches)

  local rss pss threads
  rss=$(awk '/^Rss:/ {print $2}' "/proc/$pid/smaps_rollup")
  pss=$(awk '/^Pss:/ {print $2}' "/proc/$pid/smaps_rollup")
  threads=$(ls "/proc/$pid/task" | wc -l)
  awk -v rss="$rss" -v pss="$pss" -v threads="$threads" -v s="$seconds" -v hz="$ticks_per_second" \
      -v cpu=$((cpu_after - cpu_before)) -v sw=$((switches_after - switches_before)) 'BEGIN {
    printf "resident: RSS %.1f MB, PSS %.1f MB, %d threads\n", rss / 1024, pss / 1024, threads
    printf "cpu: %.3f %% over %d s\n", 100 * cpu / hz / s, s
    printf "wakeups: %.2f context switches per second\n", sw / s
  }'
}

export -f measure
"$root/tests/services.sh" bash -c "measure '$build/lumenpause' '$seconds'"

#!/usr/bin/env bash
# How fast a first run shows its onboarding flow: the time from the launch coordinator's show
# of the settings window to the window painted with the flow, over ten cold starts of the
# application, each on a fresh home without settings, inside the test services (an X server
# with a window manager, private buses). Prints each start and the median against the goal.
#
#   bench/first_run_paint.sh [build-dir]
#
# Exits 1 when the median misses the goal.
set -euo pipefail

readonly RUNS=10
readonly GOAL_MS=150

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
probe="$build/bench/lumenpause_first_run_paint"
[[ -x $probe ]] || { echo "no probe at $probe; build lumenpause_first_run_paint first" >&2; exit 2; }

# Runs inside the services, once per start.
measure() {
    local probe=$1 runs=$2 goal=$3 times=()
    for ((run = 1; run <= runs; run++)); do
        local home
        home=$(mktemp -d)
        mkdir -p "$home"/{home,config,data,cache,state,runtime}
        chmod 700 "$home/runtime"
        local ms
        ms=$(HOME="$home/home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
            XDG_CACHE_HOME="$home/cache" XDG_STATE_HOME="$home/state" XDG_RUNTIME_DIR="$home/runtime" \
            timeout 30 "$probe" 2>/dev/null | tail -n1)
        rm -rf "$home"
        [[ -n $ms ]] || { echo "start $run: the flow was never painted" >&2; exit 2; }
        echo "start $run: $ms ms"
        times+=("$ms")
    done
    local median
    median=$(printf '%s\n' "${times[@]}" | sort -g | awk '{v[NR] = $1} END {print (v[int((NR + 1) / 2)] + v[int(NR / 2) + 1]) / 2}')
    echo "median: $median ms (goal: under $goal ms)"
    awk -v m="$median" -v g="$goal" 'BEGIN {exit !(m < g)}'
}
export -f measure

"$root/tests/services.sh" bash -c 'measure "$@"' measure "$probe" "$RUNS" "$GOAL_MS"

#!/usr/bin/env bash
# How quickly the settings window shows, on an X server with a window manager inside the test
# services: the first open (a fresh process each time) and reopening the kept window, from the
# request the tray's "Settings" item makes to the first frame handed to the display, and
# switching sections. Prints the median of each over the runs, with its goal; exits 1 when a
# goal is missed.
#
#   bench/settings_window.sh [build-dir] [runs]
set -euo pipefail

readonly OPEN_GOAL_MS=150
readonly SWITCH_GOAL_MS=50

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-10}
bench="$build/bench/lumenpause_settings_bench"
[[ -x $bench ]] || { echo "no benchmark at $bench; build lumenpause_settings_bench first" >&2; exit 2; }

# Inside the services: every run is a fresh process, so each measures a first open.
measure() {
    local bench=$1 runs=$2 run
    for ((run = 1; run <= runs; run++)); do
        "$bench" "$runs"
    done
}
export -f measure

# shellcheck source=SCRIPTDIR/figures.sh
source "$root/bench/figures.sh"
output=$("$root/tests/services.sh" bash -c "measure '$bench' '$runs'")
status=0
report() {
    local name=$1 goal=$2 value
    value=$(median "$name")
    local verdict=ok
    meets "$value" "$goal" || { verdict=MISSED; status=1; }
    printf '%-14s median %7.1f ms over %3d samples (goal %d ms) %s\n' "$name" "$value" \
        "$(samples "$name")" "$goal" "$verdict"
}
report first_open_ms $OPEN_GOAL_MS
report reopen_ms $OPEN_GOAL_MS
report switch_ms $SWITCH_GOAL_MS
exit $status

#!/usr/bin/env bash
# How quickly the Breaks pane answers, on an X server with a window manager inside the test
# services: the pane built and painted from its sidebar click, a sub-page painted from the
# click on its row, and each frame of scrolling through 200 planned breaks. Prints the median
# and the worst of each with its goal, and the timer events the process still received in the
# two seconds after its window was hidden (the settings write the page's departure asked for)
# and in the three seconds after those (none); exits 1 when a goal is missed.
#
#   bench/breaks_pane.sh [build-dir] [rounds]
set -euo pipefail

readonly PANE_GOAL_MS=50
readonly SUBPAGE_GOAL_MS=100
# One frame at 60 Hz.
readonly SCROLL_GOAL_MS=16

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
rounds=${2:-5}
bench="$build/bench/lumenpause_breaks_pane_bench"
[[ -x $bench ]] || { echo "no benchmark at $bench; build lumenpause_breaks_pane_bench first" >&2; exit 2; }

# shellcheck source=SCRIPTDIR/figures.sh
source "$root/bench/figures.sh"
output=$("$root/tests/services.sh" "$bench" "$rounds")
status=0
report() {
    local name=$1 goal=$2 value worst verdict=ok
    value=$(median "$name")
    worst=$(figures "$name" | tail -1)
    meets "$value" "$goal" || { verdict=MISSED; status=1; }
    printf '%-16s median %7.2f ms, worst %7.2f ms over %3d samples (goal %d ms) %s\n' "$name" "$value" \
        "$worst" "$(samples "$name")" "$goal" "$verdict"
}
report pane_ms $PANE_GOAL_MS
report subpage_ms $SUBPAGE_GOAL_MS
report scroll_frame_ms $SCROLL_GOAL_MS
grep -E '^timer_(events|event_receiver)' <<<"$output"
exit $status

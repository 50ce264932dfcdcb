#!/usr/bin/env bash
# How quickly the break-screen customizer shows and follows typing, on an X server with a
# window manager inside the test services: from the settings window's request to the
# customizer's first frame, and from a keystroke in its message field to the next frame of a
# 1180 x 800 customizer. Prints the medians with their goals, and whether typing made the
# preview's background again or anything of a closed customizer kept running; exits 1 when a
# goal is missed.
#
#   bench/customizer.sh [build-dir] [runs]
set -euo pipefail

readonly OPEN_GOAL_MS=150
readonly KEYSTROKE_GOAL_MS=16

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-10}
bench="$build/bench/lumenpause_customizer_bench"
[[ -x $bench ]] || { echo "no benchmark at $bench; build lumenpause_customizer_bench first" >&2; exit 2; }

# shellcheck source=SCRIPTDIR/figures.sh
source "$root/bench/figures.sh"
output=$("$root/tests/services.sh" "$bench" "$runs")
total() { grep "^$1 " <<<"$output" | awk '{s += $2} END {print s + 0}'; }
status=0
report() {
    local name=$1 goal=$2 value verdict=ok
    value=$(median "$name")
    meets "$value" "$goal" || { verdict=MISSED; status=1; }
    printf '%-14s median %7.2f ms over %3d samples (goal %d ms) %s\n' "$name" "$value" \
        "$(samples "$name")" "$goal" "$verdict"
}
report open_ms $OPEN_GOAL_MS
report keystroke_ms $KEYSTROKE_GOAL_MS
for name in backdrops_made_while_typing left_running_after_close; do
    value=$(total "$name")
    verdict=ok
    [[ $value == 0 ]] || { verdict=MISSED; status=1; }
    printf '%-28s %s (goal 0) %s\n' "$name" "$value" "$verdict"
done
exit $status

#!/usr/bin/env bash
# Takes a screenshot of Lumenpause's tray icon as a desktop shows it: the application runs,
# onboarded, inside the test services with an XEmbed tray (wmdocker) on the X server, and the
# tray's window is written magnified to a PNG file.
#
#   scripts/tray-screenshot.sh [build-dir] [output.png]
#
# The build directory defaults to build/, the file to tray.png in the current directory.
set -euo pipefail

readonly TRAY_ICON_SIZE=24
readonly MAGNIFICATION=800%
readonly WAIT_S=20

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
output=$(realpath -m "${2:-tray.png}")
app="$build/lumenpause"
[[ -x $app ]] || { echo "no application at $app; build it first" >&2; exit 2; }

# Runs inside the services: their X server, buses and throw-away home are set.
shoot() {
    local app=$1 output=$2 size=$3 magnification=$4 wait_s=$5
    start_docked_app "$app" "$size" "$wait_s"

    # Docked once the tray's window holds the icon's window, drawn a moment later.
    local deadline=$((SECONDS + wait_s))
    until xwininfo -children -id "$dock" | grep -q '^ *1 child'; do
        ((SECONDS < deadline)) || { echo "the icon did not dock" >&2; cat "$XDG_STATE_HOME/lumenpause.log" >&2; exit 1; }
        sleep 0.1
    done
    sleep 1
    /usr/bin/import -window "$dock" png:- | /usr/bin/convert png:- -filter point -resize "$magnification" "$output"
    echo "$output"
}
# shellcheck source=SCRIPTDIR/lib/docked-app.sh
source "$root/scripts/lib/docked-app.sh"
export -f start_docked_app shoot

"$root/tests/services.sh" bash -c "shoot '$app' '$output' $TRAY_ICON_SIZE $MAGNIFICATION $WAIT_S" 2>/dev/null

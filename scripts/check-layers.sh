#!/usr/bin/env bash
# Keeps the layers of src/ apart:
# - src/core is the ground every other folder of src/ stands on: a file of it may include its
#   own folder's headers and outside libraries, never a folder above it;
# - the settings window's rooms (src/settings_ui/README.md): components/ knows no other room;
#   a pane knows no other pane, nor the customizer, and of window/ only ContentServices; the
#   customizer knows neither a pane nor window/; window/ knows the panes only through
#   SettingsPanes.
#
#   scripts/check-layers.sh [source root]   (default: this repository's src/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
src=$(cd "${1:-$root/src}" && pwd)
cd "$src"

failed=0
include='^[[:space:]]*#[[:space:]]*include[[:space:]]*"'

# Prints the lines of the given files that include a header under one of the given folders
# (an extended regular expression of paths below src/), but for the allowed ones.
includes_of() {
    local targets=$1 allowed=$2
    shift 2
    [[ $# -gt 0 ]] || return 0
    grep -nHE "$include($targets)/" "$@" | grep -vE "#[[:space:]]*include[[:space:]]*\"($allowed)\"" || true
}

refuse() {
    local what=$1 hits=$2
    [[ -n $hits ]] || return 0
    echo "check-layers: $what:" >&2
    echo "$hits" >&2
    failed=1
}

files_in() {
    [[ -d $1 ]] && find "$1" -type f \( -name '*.h' -o -name '*.cpp' \) | sort
}

above=$(ls -d */ | sed 's#/$##' | grep -v '^core$' | paste -sd'|')
mapfile -t core < <(files_in core)
refuse "src/core includes a folder above it" "$(includes_of "$above" '^$' "${core[@]}")"

ui=settings_ui
mapfile -t components < <(files_in $ui/components)
refuse "a component includes another room of the settings window" \
    "$(includes_of "$ui/(window|panes|customizer)" '^$' "${components[@]}")"

mapfile -t customizer < <(files_in $ui/customizer)
refuse "the customizer includes a pane or the window" \
    "$(includes_of "$ui/(window|panes)" '^$' "${customizer[@]}")"

if [[ -d $ui/panes ]]; then
    for pane in $ui/panes/*/; do
        pane=${pane%/}
        mapfile -t files < <(files_in "$pane")
        others=$(ls -d $ui/panes/*/ | sed 's#/$##' | grep -vxF "$pane" | paste -sd'|')
        refuse "${pane#$ui/} includes another pane, the customizer or the window" \
            "$(includes_of "${others:-^$}|$ui/customizer|$ui/window" "$ui/window/ContentServices\.h" "${files[@]}")"
    done
fi

mapfile -t window < <(files_in $ui/window | grep -v '/SettingsPanes\.\(h\|cpp\)$')
refuse "the window includes a pane other than through SettingsPanes" \
    "$(includes_of "$ui/(panes|customizer)" '^$' "${window[@]}")"

((failed == 0)) || exit 1
echo "check-layers: src/core includes nothing above it; the settings window's rooms keep to their rule"

#!/usr/bin/env bash
# Keeps the layers of src/ apart:
# - src/core is the ground every other folder of src/ stands on: a file of it may include its
#   own folder's headers and outside libraries, never a file elsewhere in src/;
# - the settings window's rooms (src/settings_ui/README.md): window/, components/,
#   customizer/ and panes/<pane>/. components/ knows no other room; a pane knows no other
#   pane, nor the customizer, and of window/ only ContentServices; the customizer knows
#   neither a pane nor window/; window/ knows the panes only through SettingsPanes. Every
#   file under src/settings_ui/ lies in a room: one directly in it, directly in panes/ or in
#   a folder the rule does not name is refused, and so is an include of it from a room.
#
# An include is judged by the file it reaches, found as the compiler (with -I src) finds it:
# a quoted one in the including file's folder first, then below src/; an angle-bracketed one
# below src/. One that reaches no file of src/ is an outside library's.
#
#   scripts/check-layers.sh [source root]   (default: this repository's src/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
src=$(cd "${1:-$root/src}" && pwd)
cd "$src"

mapfile -t all < <(find . -type f | sed 's#^\./##' | sort)
mapfile -t checked < <(printf '%s\n' "${all[@]}" | grep -E '^(core|settings_ui)/' | grep -v '\.md$' || true)

# The file list first (to resolve against), then "path:line:directive" for each include.
report=$(
    {
        printf '%s\n' "${all[@]}"
        echo '--'
        if ((${#checked[@]} > 0)); then
            grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' "${checked[@]}" || true
        fi
    } | awk '
    # The path with "." and ".." taken out; "" when it climbs out of src/.
    function normal(path,    parts, n, i, kept, out) {
        n = split(path, parts, "/")
        kept = 0
        for (i = 1; i <= n; i++) {
            if (parts[i] == "" || parts[i] == ".")
                continue
            if (parts[i] == "..") {
                if (kept == 0)
                    return ""
                kept--
            } else {
                stack[++kept] = parts[i]
            }
        }
        out = ""
        for (i = 1; i <= kept; i++)
            out = out (i > 1 ? "/" : "") stack[i]
        return out
    }
    function folder(path) {
        return path ~ /\// ? substr(path, 1, match(path, /\/[^\/]*$/) - 1) : ""
    }
    # The file the include reaches, "" for an outside library.
    function resolve(from, quoted, name,    candidate) {
        if (quoted && folder(from) != "") {
            candidate = normal(folder(from) "/" name)
            if (candidate != "" && candidate in exists)
                return candidate
        }
        candidate = normal(name)
        return candidate != "" && candidate in exists ? candidate : ""
    }
    # The room of a file under settings_ui/: window, components, customizer or panes/<pane>;
    # "" when it lies in none.
    function room(path,    parts, n) {
        n = split(path, parts, "/")
        if (parts[1] != "settings_ui" || n < 3)
            return ""
        if (parts[2] == "window" || parts[2] == "components" || parts[2] == "customizer")
            return parts[2]
        return parts[2] == "panes" && n >= 4 ? "panes/" parts[3] : ""
    }
    function isPane(name) {
        return name ~ /^panes\//
    }
    # Why a file of room `from` may not include `target` of room `to`; "" when it may.
    function refusal(file, from, target, to) {
        if (to == "")
            return "includes a file that lies in no room of the settings window"
        if (to == from || to == "components")
            return ""
        if (from == "components")
            return "a component includes another room of the settings window"
        if (from == "customizer")
            return "the customizer includes a pane or the window"
        if (isPane(from))
            return to == "window" && target == "settings_ui/window/ContentServices.h" ? "" \
                : from " includes another pane, the customizer or the window"
        if (file ~ /^settings_ui\/window\/SettingsPanes\.(h|cpp)$/)
            return ""
        return "the window includes a pane or the customizer other than through SettingsPanes"
    }
    !listed && $0 == "--" { listed = 1; next }
    !listed {
        exists[$0] = 1
        if ($0 ~ /^settings_ui\// && $0 !~ /\.md$/ && room($0) == "")
            print $0 ": lies in no room of the settings window " \
                "(window, components, customizer, panes/<pane>)"
        next
    }
    {
        file = $0
        sub(/:.*/, "", file)
        rest = substr($0, length(file) + 2)
        line = rest
        sub(/:.*/, "", line)
        directive = substr(rest, length(line) + 2)
        if (!match(directive, /[<"][^">]*[">]/))
            next
        quoted = substr(directive, RSTART, 1) == "\""
        target = resolve(file, quoted, substr(directive, RSTART + 1, RLENGTH - 2))
        if (target == "")
            next
        why = ""
        if (file ~ /^core\//) {
            if (target !~ /^core\//)
                why = "src/core includes a file outside it"
        } else if (target ~ /^settings_ui\// && room(file) != "") {
            why = refusal(file, room(file), target, room(target))
        }
        if (why != "")
            print file ":" line ": " why ": " directive " (" target ")"
    }')

if [[ -n $report ]]; then
    sed 's/^/check-layers: /' <<<"$report" >&2
    exit 1
fi
echo "check-layers: src/core includes nothing outside it; the settings window's rooms keep to their rule"

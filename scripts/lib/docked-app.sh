# shellcheck shell=bash
# Sourced by the scripts that run the application inside the test services (tests/services.sh)
# with its icon docked in an XEmbed tray (wmdocker), as a desktop shows it. Export the function
# (export -f) to call it in the services' shell, whose environment (DISPLAY, buses, a
# throw-away home) it expects.

# start_docked_app <application> <icon size> <seconds to wait for the tray> [settings]
# Starts the tray and the application, onboarded so that its runtime services run as they do
# for a user. Settings are further JSON members for the settings file ('"blinkEnabled": true');
# the wellness keys need them, as the first start of an onboarded home without a profile
# version turns meeting detection, posture and typing health off. Sets dock (the tray's
# window), app_pid and tray_pid, and stops both processes when the shell exits; globals
# rather than locals, so that the exit trap still sees them.
start_docked_app() {
    local app=$1 size=$2 wait_s=$3 settings=${4:-}
    wmdocker -iconsize "$size" >"$XDG_STATE_HOME/wmdocker.log" 2>&1 &
    tray_pid=$!
    dock=$(timeout "$wait_s" xdotool search --sync --name '^Docker$' | head -n1)
    [[ -n $dock ]] || { echo "the tray did not come up" >&2; exit 2; }
    # Without a window manager the tray's window stays unmapped until asked.
    xdotool windowmap "$dock"

    mkdir -p "$XDG_CONFIG_HOME/lumenpause"
    echo "{\"hasCompletedOnboarding\": true${settings:+, $settings}}" \
        >"$XDG_CONFIG_HOME/lumenpause/local.lumenpause.app.json"
    "$app" 2>"$XDG_STATE_HOME/lumenpause.log" &
    app_pid=$!
    trap 'kill -TERM "$app_pid" "$tray_pid" 2>/dev/null; wait "$app_pid" "$tray_pid" 2>/dev/null || true' EXIT
}

#!/usr/bin/env bash
# Runs a command inside private test services, then stops them all:
#
#   tests/services.sh <command> [args...]
#
# The command sees a throw-away home and XDG folders, an X server with a window manager,
# private session and "system" D-Bus buses (the system one carrying logind and UPower
# mocks), the desktop's accessibility bus and a PulseAudio server with a null sink and
# source, which a test may stop and start again (tests/support/TestAudioServer.h). The
# script exits with the command's exit code; when a service does not come up it prints that
# service's log and fails without running the command.
set -euo pipefail

readonly STARTUP_TIMEOUT_S=15
readonly STOP_TIMEOUT_S=5
readonly X_SCREEN_GEOMETRY=2560x800x24
readonly SESSION_ID=c1
readonly PYTHON=/usr/bin/python3 # Debian's, which has the dbus module

RUN_DIR=""
COMMAND_PID=""
COMMAND_REAPED=0
SERVICE_NAMES=()
SERVICE_PIDS=()
SERVICE_LOGS=()

say() { printf 'services: %s\n' "$*" >&2; }

now_us() { echo "${EPOCHREALTIME/./}"; }

# Seconds since the given now_us value, as "0.123".
elapsed_since() {
    local us=$(($(now_us) - $1))
    printf '%d.%03d' $((us / 1000000)) $((us / 1000 % 1000))
}

# True while the process exists and is not a zombie waiting to be reaped.
is_running() {
    local stat
    { read -r stat <"/proc/$1/stat"; } 2>/dev/null || return 1
    stat=${stat##*) }
    [[ ${stat%% *} != Z ]]
}

fail_service() {
    local name=$1 reason=$2 log=$3
    say "$name $reason; its log follows"
    sed 's/^/    /' "$log" >&2 || true
    exit 1
}

# Starts a command in the background in a process group of its own, so that a terminal's
# Ctrl-C reaches this script alone, which then stops everything in order. Job control is
# on only for the launch: foreground helpers stay in this script's group.
in_own_process_group() {
    set -m
    "$@" &
    set +m
}

# Starts a long-running service in the background and records it for the stop in
# reverse order. The command's output goes to the service's log.
launch() {
    local name=$1
    shift
    local log="$RUN_DIR/logs/$name.log"
    in_own_process_group "$@" >"$log" 2>&1 </dev/null
    SERVICE_NAMES+=("$name")
    SERVICE_PIDS+=("$!")
    SERVICE_LOGS+=("$log")
    disown "$!" # keeps job notices out of the output; stop_services still stops it
}

# Polls a readiness check until it succeeds; fails loudly when the newest service dies or
# the deadline passes first.
wait_ready() {
    local name=$1
    shift
    local index=$((${#SERVICE_PIDS[@]} - 1))
    local pid=${SERVICE_PIDS[$index]} log=${SERVICE_LOGS[$index]}
    local deadline=$(($(now_us) + STARTUP_TIMEOUT_S * 1000000))
    until "$@" >/dev/null 2>&1; do
        is_running "$pid" || fail_service "$name" "exited during start-up" "$log"
        (($(now_us) < deadline)) || fail_service "$name" "was not ready after ${STARTUP_TIMEOUT_S}s" "$log"
        sleep 0.01
    done
}

# A complete first line, newline included, shows the writer has finished it.
has_line() { local line; read -r line <"$1"; }

bus_has_name() {
    [[ $(gdbus call --system --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner "$1") == "(true,)" ]]
}

window_manager_running() {
    [[ $(xprop -root _NET_SUPPORTING_WM_CHECK) == *"window id"* ]]
}

# Stops a process by PID: TERM, then KILL when it outlives the deadline, then reaps it.
stop_pid() {
    local pid=$1 name=$2
    kill -TERM "$pid" 2>/dev/null || true
    local deadline=$(($(now_us) + STOP_TIMEOUT_S * 1000000))
    while is_running "$pid" && (($(now_us) < deadline)); do sleep 0.01; done
    if is_running "$pid"; then
        say "$name (PID $pid) ignored TERM; killing it"
        kill -KILL "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
}

start_run_folder() {
    local started=$(now_us)
    RUN_DIR=$(mktemp -d "${TMPDIR:-/tmp}/lumenpause-services.XXXXXXXX")
    mkdir -p "$RUN_DIR"/{logs,home,config,data,cache,state}
    mkdir -m 0700 "$RUN_DIR/runtime"
    export HOME="$RUN_DIR/home"
    export XDG_RUNTIME_DIR="$RUN_DIR/runtime"
    export XDG_CONFIG_HOME="$RUN_DIR/config"
    export XDG_DATA_HOME="$RUN_DIR/data"
    export XDG_CACHE_HOME="$RUN_DIR/cache"
    export XDG_STATE_HOME="$RUN_DIR/state"
    # Nothing from the surrounding desktop session may leak in: its compositor, session
    # manager, desktop theme or audio server would make runs depend on the machine.
    unset WAYLAND_DISPLAY SESSION_MANAGER XAUTHORITY XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP \
        XDG_SESSION_TYPE QT_QPA_PLATFORMTHEME PULSE_SERVER PULSE_RUNTIME_PATH DBUS_STARTER_ADDRESS
    say "run folder $RUN_DIR ($(elapsed_since "$started") s)"
}

# The session configuration minus bus activation: the daemon starts activated helpers
# (such as the accessibility bus launcher) detached from this script, where no PID of
# ours could stop them, and they would outlive the run.
write_bus_config() {
    cat >"$RUN_DIR/bus.conf" <<'EOF'
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <keep_umask/>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
}

# Starts a dbus-daemon on a socket in the run folder; prints its address.
launch_bus() {
    local name=$1 socket="$RUN_DIR/runtime/$1"
    local address_file="$RUN_DIR/$name.address"
    : >"$address_file"
    launch "$name" dbus-daemon --config-file="$RUN_DIR/bus.conf" --nofork \
        --address="unix:path=$socket" --print-address=3 3>"$address_file"
    wait_ready "$name" has_line "$address_file"
}

start_session_bus() {
    local started=$(now_us)
    write_bus_config
    launch_bus session-bus
    DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$RUN_DIR/session-bus.address")
    export DBUS_SESSION_BUS_ADDRESS
    say "session bus up ($(elapsed_since "$started") s)"
}

accessibility_bus_address() {
    [[ $(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
        --method org.a11y.Bus.GetAddress) == "('unix:"* ]]
}

# The bus screen readers use, as a desktop session runs it. Left off (IsEnabled false), so
# only an application started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 joins it. The
# launcher stops the bus it started when it is stopped itself.
start_accessibility_bus() {
    local started=$(now_us)
    launch accessibility-bus /usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=0
    wait_ready accessibility-bus accessibility_bus_address
    say "accessibility bus up ($(elapsed_since "$started") s)"
}

start_system_bus() {
    local started=$(now_us)
    launch_bus system-bus
    DBUS_SYSTEM_BUS_ADDRESS=$(head -n1 "$RUN_DIR/system-bus.address")
    export DBUS_SYSTEM_BUS_ADDRESS
    say "system bus up ($(elapsed_since "$started") s)"
}

start_logind_mock() {
    local started=$(now_us)
    launch logind-mock "$PYTHON" -m dbusmock --system --template logind
    wait_ready logind-mock bus_has_name org.freedesktop.login1
    gdbus call --system --dest org.freedesktop.login1 --object-path /org/freedesktop/login1 \
        --method org.freedesktop.DBus.Mock.AddSession \
        "$SESSION_ID" seat0 "$(id -u)" "$(id -un)" true >/dev/null
    export XDG_SESSION_ID=$SESSION_ID
    say "logind mock up, session $SESSION_ID ($(elapsed_since "$started") s)"
}

start_upower_mock() {
    local started=$(now_us)
    launch upower-mock "$PYTHON" -m dbusmock --system --template upower
    wait_ready upower-mock bus_has_name org.freedesktop.UPower
    say "UPower mock up ($(elapsed_since "$started") s)"
}

start_x_server() {
    local started=$(now_us)
    local display_file="$RUN_DIR/x.display"
    : >"$display_file"
    # -noreset keeps the server's state (monitors among it) when its last client leaves.
    launch xvfb Xvfb -displayfd 3 -screen 0 "$X_SCREEN_GEOMETRY" -nolisten tcp -noreset \
        3>"$display_file"
    wait_ready xvfb has_line "$display_file"
    DISPLAY=":$(head -n1 "$display_file")"
    export DISPLAY
    export QT_QPA_PLATFORM=xcb
    say "X server $DISPLAY up ($(elapsed_since "$started") s)"
}

start_window_manager() {
    local started=$(now_us)
    launch openbox openbox --sm-disable
    wait_ready openbox window_manager_running
    say "window manager up ($(elapsed_since "$started") s)"
}

# A test may stop the sound server and start it again (tests/support/TestAudioServer.h): it
# finds the server's arguments, one a line, in LUMENPAUSE_TEST_AUDIO_SERVER_ARGS.
start_audio_server() {
    local started=$(now_us)
    # Clients must never start a server of their own that would outlive the run.
    mkdir -p "$XDG_CONFIG_HOME/pulse"
    echo "autospawn = no" >"$XDG_CONFIG_HOME/pulse/client.conf"
    local arguments=(-n --daemonize=no --exit-idle-time=-1
        -L "module-native-protocol-unix auth-anonymous=1"
        -L "module-null-sink sink_name=nullsink"
        -L "module-null-source source_name=fakemic"
        -L module-always-sink)
    launch pulseaudio pulseaudio "${arguments[@]}"
    wait_ready pulseaudio pactl info
    LUMENPAUSE_TEST_AUDIO_SERVER_ARGS=$(printf '%s\n' "${arguments[@]}")
    export LUMENPAUSE_TEST_AUDIO_SERVER_ARGS
    say "PulseAudio up ($(elapsed_since "$started") s)"
}

# A sound server a test started again is none of ours by PID; the PID file the server keeps
# in the run's runtime folder names whichever runs now.
stop_restarted_audio_server() {
    local pid
    { read -r pid <"$XDG_RUNTIME_DIR/pulse/pid"; } 2>/dev/null || return 0
    if [[ $pid =~ ^[0-9]+$ ]] && is_running "$pid"; then
        stop_pid "$pid" "restarted PulseAudio"
    fi
}

start_services() {
    local started=$(now_us)
    start_run_folder
    start_session_bus
    start_accessibility_bus
    start_system_bus
    start_logind_mock
    start_upower_mock
    start_x_server
    start_window_manager
    start_audio_server
    export LUMENPAUSE_TEST_SERVICES=1
    say "all up in $(elapsed_since "$started") s"
}

stop_command() {
    [[ -n $COMMAND_PID ]] || return 0
    # The process group also holds anything the command started and left behind.
    kill -TERM -- "-$COMMAND_PID" 2>/dev/null || true
    ((COMMAND_REAPED)) || stop_pid "$COMMAND_PID" "the command"
    kill -KILL -- "-$COMMAND_PID" 2>/dev/null || true
}

stop_services() {
    local started=$(now_us) i
    for ((i = ${#SERVICE_PIDS[@]} - 1; i >= 0; i--)); do
        stop_pid "${SERVICE_PIDS[$i]}" "${SERVICE_NAMES[$i]}"
    done
    [[ -z $RUN_DIR ]] || stop_restarted_audio_server
    if [[ -n $RUN_DIR && -d $RUN_DIR ]]; then
        rm -rf -- "$RUN_DIR"
    fi
    ((${#SERVICE_PIDS[@]} == 0)) || say "stopped in $(elapsed_since "$started") s"
}

on_exit() {
    local status=$?
    set +e
    trap - EXIT INT TERM HUP
    stop_command
    stop_services
    exit "$status"
}

on_signal() {
    say "interrupted by SIG$1"
    exit $((128 + $2))
}

main() {
    if (($# == 0)); then
        echo "usage: $0 <command> [args...]" >&2
        exit 2
    fi
    trap on_exit EXIT
    trap 'on_signal INT 2' INT
    trap 'on_signal TERM 15' TERM
    trap 'on_signal HUP 1' HUP
    start_services
    # In the background so that a signal to this script is handled at once, not after the
    # command ends.
    in_own_process_group "$@"
    COMMAND_PID=$!
    local status=0
    wait "$COMMAND_PID" || status=$?
    COMMAND_REAPED=1
    exit "$status"
}

main "$@"

#!/usr/bin/env bash
# What the application costs while it waits: resident memory, CPU share and wakeups per
# second, measured on the real binary inside the test services (X server, audio server, private
# buses) with a fresh home in which onboarding is complete, so the break timer and the other
# runtime services run as they do for a user, its icon docked in an XEmbed tray (wmdocker) and
# counting down.
#
#   bench/idle_cost.sh [--activity | --breaks] [--wellness | --media] [build-dir]
#
# After a warm-up the figures cover one measuring window. Wakeups are the process's context
# switches, all threads together, per second. With --activity a person seems to be at work
# during the window: the pointer moves once a second and a key is typed every two seconds.
# With --wellness the home has meeting detection, posture and blink reminders and typing
# health on; --media adds media detection.
# Prints one line per figure with its goal; exits 1 when a goal is missed. The memory goal is on
# the resident set (RSS); the proportional share (PSS) is printed beside it, but it depends on
# how many other processes share the Qt libraries at that moment, so it is no goal.
#
# With --breaks the work interval is one minute and three breaks run their course (about four
# minutes); the idle RSS after the warm-up and again after the third break are printed, with
# the goal that a break leaves nothing behind: the second within 5 MB of the first.
set -euo pipefail

readonly WARMUP_S=10
readonly WINDOW_S=60
readonly RSS_GOAL_MB=40
readonly CPU_GOAL_PERCENT=0.03
readonly IDLE_WAKEUP_GOAL=1.3
readonly ACTIVE_WAKEUP_GOAL=3
readonly BREAKS=3
# Idle as long as the application will be before its first break, a minute after the start:
# what the first minutes settle into is no break's doing.
readonly BREAKS_WARMUP_S=45
readonly BREAKS_TIMEOUT_S=420
# After the last break's panels are gone: what the application gives back, it has given.
readonly AFTER_BREAKS_S=10
readonly BREAKS_GROWTH_GOAL_MB=5

root=$(cd "$(dirname "$0")/.." && pwd)
activity=0
settings=""
seeded=""
readonly WELLNESS_SETTINGS='"pauseDuringMeetings": true, "postureEnabled": true,
    "blinkEnabled": true, "typingHealthEnabled": true'
breaks=0
build="$root/build"
for argument in "$@"; do
    case $argument in
    --activity) activity=1 ;;
    --wellness) settings=$WELLNESS_SETTINGS seeded="wellness on" ;;
    --media) settings="$WELLNESS_SETTINGS, \"mediaDetectionEnabled\": true" seeded="wellness and media on" ;;
    --breaks) breaks=1 ;;
    -h | --help)
        sed -n '2,21p' "$0" | sed 's/^# \{0,1\}//'
        exit 0
        ;;
    *) build=$argument ;;
    esac
done
app="$build/lumenpause"
[[ -x $app ]] || { echo "no application at $app; build it first" >&2; exit 2; }

# Runs inside the services: their environment (DISPLAY, buses, a throw-away home) is set.
measure() {
    local app=$1 activity=$2 warmup=$3 window=$4 settings=$5
    start_docked_app "$app" 24 "$warmup" "$settings"
    local pid=$app_pid
    sleep "$warmup"
    kill -0 "$pid" 2>/dev/null || { echo "the application ended during the warm-up" >&2; cat "$XDG_STATE_HOME/lumenpause.log" >&2; exit 2; }
    xwininfo -children -id "$dock" | grep -q '^ *1 child' || { echo "the icon did not dock" >&2; exit 2; }

    # Nanoseconds on the CPU and context switches, summed over the threads alive now.
    cpu_ns() { cat /proc/"$pid"/task/*/schedstat 2>/dev/null | awk '{sum += $1} END {print sum + 0}'; }
    switches() {
        cat /proc/"$pid"/task/*/status 2>/dev/null | awk '/ctxt_switches/ {sum += $2} END {print sum + 0}'
    }
    act() {
        local second
        for ((second = 1; second <= window; second++)); do
            xdotool mousemove_relative -- $((second % 2 ? 5 : -5)) 0
            ((second % 2)) || xdotool key --clearmodifiers a
            sleep 1
        done
    }

    local cpu_before switches_before cpu_after switches_after actor=""
    cpu_before=$(cpu_ns)
    switches_before=$(switches)
    if ((activity)); then
        act &
        actor=$!
    fi
    sleep "$window"
    cpu_after=$(cpu_ns)
    switches_after=$(switches)
    [[ -z $actor ]] || wait "$actor"
    kill -0 "$pid" 2>/dev/null || { echo "the application ended during the window" >&2; exit 2; }
    local memory
    memory=$(awk '/^Pss:/ {pss = $2} /^Rss:/ {rss = $2} END {print pss, rss}' "/proc/$pid/smaps_rollup")
    echo "$((cpu_after - cpu_before)) $((switches_after - switches_before)) $memory"
}
# Resident set in kB of the process now.
rss_kb() { awk '/^Rss:/ {print $2}' "/proc/$1/smaps_rollup"; }

# Runs inside the services. Idle RSS before the first break and after the last one.
measure_breaks() {
    local app=$1 warmup=$2 breaks=$3 timeout=$4 after=$5
    start_docked_app "$app" 24 10 '"breakInterval": 1, "idleDetectionEnabled": false'
    local pid=$app_pid log="$XDG_STATE_HOME/lumenpause.log"
    sleep "$warmup"
    kill -0 "$pid" 2>/dev/null || { echo "the application ended during the warm-up" >&2; cat "$log" >&2; exit 2; }
    local before waited=0
    before=$(rss_kb "$pid")
    until (($(grep -c 'break_dismissed' "$log") >= breaks)); do
        ((waited++ < timeout)) || { echo "only $(grep -c 'break_dismissed' "$log") of $breaks breaks ended" >&2; exit 2; }
        kill -0 "$pid" 2>/dev/null || { echo "the application ended during the breaks" >&2; exit 2; }
        sleep 1
    done
    sleep "$after"
    echo "$before $(rss_kb "$pid")"
}

# shellcheck source=SCRIPTDIR/../scripts/lib/docked-app.sh
source "$root/scripts/lib/docked-app.sh"
export -f start_docked_app measure measure_breaks rss_kb

if ((breaks)); then
    read -r before_kb after_kb < <("$root/tests/services.sh" bash -c \
        "measure_breaks '$app' $BREAKS_WARMUP_S $BREAKS $BREAKS_TIMEOUT_S $AFTER_BREAKS_S" 2>/dev/null) || true
    [[ -n ${after_kb:-} ]] || { echo "the measurement failed" >&2; exit 2; }
    awk -v before_kb="$before_kb" -v after_kb="$after_kb" -v breaks="$BREAKS" \
        -v goal="$BREAKS_GROWTH_GOAL_MB" 'BEGIN {
        before = before_kb / 1024; after = after_kb / 1024; growth = after - before
        met = growth < goal
        printf "RSS %.1f MB before the first break, %.1f MB after break %d: %+.1f MB (goal < %s MB: %s)\n",
            before, after, breaks, growth, goal, met ? "met" : "missed"
        exit !met
    }'
    exit
fi

read -r cpu_ns switches pss_kb rss_kb < <("$root/tests/services.sh" bash -c \
    "measure '$app' $activity $WARMUP_S $WINDOW_S '$settings'" 2>/dev/null) || true

wakeup_goal=$IDLE_WAKEUP_GOAL
mode=idle
if ((activity)); then
    wakeup_goal=$ACTIVE_WAKEUP_GOAL
    mode="with activity"
fi
[[ -z $seeded ]] || mode="$mode, $seeded"
[[ -n ${rss_kb:-} ]] || { echo "the measurement failed" >&2; exit 2; }
awk -v cpu_ns="$cpu_ns" -v switches="$switches" -v pss_kb="$pss_kb" -v rss_kb="$rss_kb" -v s="$WINDOW_S" \
    -v rss_goal="$RSS_GOAL_MB" -v cpu_goal="$CPU_GOAL_PERCENT" -v wakeup_goal="$wakeup_goal" \
    -v mode="$mode" 'BEGIN {
    pss = pss_kb / 1024
    rss = rss_kb / 1024
    cpu = 100 * cpu_ns / 1e9 / s
    wakeups = switches / s
    verdict(rss < rss_goal)
    printf "RSS %.1f MB, PSS %.1f MB (%s, goal RSS < %s MB: %s)\n", rss, pss, mode, rss_goal, v
    verdict(cpu < cpu_goal); printf "CPU %.3f %% (%s, goal < %s %%: %s)\n", cpu, mode, cpu_goal, v
    verdict(wakeups < wakeup_goal)
    printf "wakeups %.2f /s (%s, goal < %s /s: %s)\n", wakeups, mode, wakeup_goal, v
    exit missed
}
function verdict(met) { v = met ? "met" : "missed"; if (!met) missed = 1 }'

#!/usr/bin/env bash
# What the application costs while it waits: resident memory, CPU share and wakeups per
# second, measured on the real binary inside the test services (X server, audio server, private
# buses) with a fresh home in which onboarding is complete, so the break timer and the other
# runtime services run as they do for a user, its icon docked in an XEmbed tray (wmdocker) and
# counting down.
#
#   bench/idle_cost.sh [--activity | --breaks] [--wellness | --media] [--planned-breaks=N]
#                      [--threads] [build-dir]
#
# After a warm-up the figures cover one measuring window. Wakeups are the times the process's
# threads, all together, went to sleep and so had to be woken, per second; preemptions by
# other work on a busy machine are printed beside them but are no wakeups of ours. With
# --threads each thread's share follows, by the name it runs under. With --activity a person
# seems to be at work during the window: the pointer moves once a second and a key is typed
# every two seconds.
# With --wellness the home has meeting detection, posture and blink reminders and typing
# health on; --media adds media detection. Their goals allow for the activity signals: CPU
# under 0.05 %, and at most 0.6 wakeups a second more than the idle goal (1.1 with media).
# With --planned-breaks=N the settings file holds N planned breaks for every day, all set
# twelve hours away so that none comes during the run; the CPU goal is then under 0.1 % (the
# memory they take has no goal).
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
readonly WELLNESS_CPU_GOAL_PERCENT=0.05
readonly WELLNESS_EXTRA_WAKEUPS=0.6
readonly MEDIA_EXTRA_WAKEUPS=1.1
readonly PLANNED_CPU_GOAL_PERCENT=0.1
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
extra_wakeups=0
readonly WELLNESS_SETTINGS='"pauseDuringMeetings": true, "postureEnabled": true,
    "blinkEnabled": true, "typingHealthEnabled": true'
breaks=0
threads=0
planned=0
build="$root/build"
for argument in "$@"; do
    case $argument in
    --activity) activity=1 ;;
    --wellness) settings=$WELLNESS_SETTINGS seeded="wellness on" extra_wakeups=$WELLNESS_EXTRA_WAKEUPS ;;
    --media)
        settings="$WELLNESS_SETTINGS, \"mediaDetectionEnabled\": true" seeded="wellness and media on"
        extra_wakeups=$MEDIA_EXTRA_WAKEUPS
        ;;
    --breaks) breaks=1 ;;
    --threads) threads=1 ;;
    --planned-breaks=*) planned=${argument#*=} ;;
    -h | --help)
        sed -n '2,29p' "$0" | sed 's/^# \{0,1\}//'
        exit 0
        ;;
    *) build=$argument ;;
    esac
done
app="$build/lumenpause"
[[ -x $app ]] || { echo "no application at $app; build it first" >&2; exit 2; }

# One line per thread of the process alive now: id, name, CPU nanoseconds, voluntary switches
# (each a sleep, so a wakeup to come) and involuntary ones (preemptions).
thread_costs() {
    local task name cpu
    for task in /proc/"$1"/task/*; do
        { read -r name <"$task/comm" && read -r cpu _ <"$task/schedstat"; } 2>/dev/null || continue
        awk -v id="${task##*/}" -v name="${name// /_}" -v cpu="$cpu" '
            /^voluntary_ctxt_switches/ {v = $2} /^nonvoluntary_ctxt_switches/ {n = $2}
            END {print id, name, cpu, v + 0, n + 0}' "$task/status" 2>/dev/null
    done
}

# Over the window, from the thread_costs lines before and after it: one line per thread alive
# at its end (id, name, CPU nanoseconds, wakeups, preemptions; a thread that began within it
# counts from zero), then "ended" and the names of those gone by then. A total over the
# threads alive at each end would subtract an ended thread's whole history.
thread_window() {
    awk 'NR == FNR {name[$1] = $2; cpu[$1] = $3; v[$1] = $4; n[$1] = $5; next}
        {print $1, $2, $3 - cpu[$1], $4 - v[$1], $5 - n[$1]; alive[$1] = 1}
        END {for (id in name) if (!(id in alive)) gone = gone " " name[id]; print "ended" gone}' "$1" "$2"
}

# The settings member "plannedBreaks" with `count` breaks on every day, at the minutes of the
# hour twelve hours from now.
planned_breaks_member() {
    local count=$1 hour
    hour=$(((10#$(date +%H) + 12) % 24))
    awk -v count="$count" -v hour="$hour" 'BEGIN {
        printf "\"plannedBreaks\": ["
        for (i = 0; i < count; i++)
            printf "%s{\"id\":\"00000000-0000-4000-8000-%012d\",\"name\":\"Break %d\",\"emoji\":\"figure.walk\",\"hour\":%d,\"minute\":%d,\"durationSeconds\":300,\"days\":[true,true,true,true,true,true,true],\"enabled\":true}",
                i ? "," : "", i, i, hour, i % 60
        printf "]"
    }'
}

# Runs inside the services: their environment (DISPLAY, buses, a throw-away home) is set.
# Prints the CPU nanoseconds, wakeups and preemptions over the window and the memory at its
# end on one line, then the thread_window lines. Settings too long for a command line come
# in a file.
measure() {
    local app=$1 activity=$2 warmup=$3 window=$4 settings=$5 settings_file=${6:-}
    [[ -z $settings_file ]] || settings="${settings:+$settings, }$(<"$settings_file")"
    start_docked_app "$app" 24 "$warmup" "$settings"
    local pid=$app_pid
    sleep "$warmup"
    kill -0 "$pid" 2>/dev/null || { echo "the application ended during the warm-up" >&2; cat "$XDG_STATE_HOME/lumenpause.log" >&2; exit 2; }
    xwininfo -children -id "$dock" | grep -q '^ *1 child' || { echo "the icon did not dock" >&2; exit 2; }

    act() {
        local second
        for ((second = 1; second <= window; second++)); do
            xdotool mousemove_relative -- $((second % 2 ? 5 : -5)) 0
            ((second % 2)) || xdotool key --clearmodifiers a
            sleep 1
        done
    }

    local actor="" before after
    before=$(mktemp)
    after=$(mktemp)
    thread_costs "$pid" >"$before"
    if ((activity)); then
        act &
        actor=$!
    fi
    sleep "$window"
    thread_costs "$pid" >"$after"
    [[ -z $actor ]] || wait "$actor"
    kill -0 "$pid" 2>/dev/null || { echo "the application ended during the window" >&2; exit 2; }
    local threads
    threads=$(thread_window "$before" "$after")
    rm -f "$before" "$after"
    local memory
    memory=$(awk '/^Pss:/ {pss = $2} /^Rss:/ {rss = $2} END {print pss, rss}' "/proc/$pid/smaps_rollup")
    awk '$1 != "ended" {cpu += $3; v += $4; n += $5} END {print cpu + 0, v + 0, n + 0}' <<<"$threads" |
        tr '\n' ' '
    echo "$memory"
    echo "$threads"
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
export -f start_docked_app measure measure_breaks rss_kb thread_costs thread_window

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

settings_file=""
if ((planned > 0)); then
    settings_file=$(mktemp)
    trap 'rm -f "$settings_file"' EXIT
    planned_breaks_member "$planned" >"$settings_file"
fi
measured=$("$root/tests/services.sh" bash -c \
    "measure '$app' $activity $WARMUP_S $WINDOW_S '$settings' '$settings_file'" 2>/dev/null) || true
read -r cpu_ns switches preemptions pss_kb rss_kb <<<"$measured"

wakeup_goal=$IDLE_WAKEUP_GOAL
cpu_goal=$CPU_GOAL_PERCENT
mode=idle
if ((activity)); then
    wakeup_goal=$ACTIVE_WAKEUP_GOAL
    mode="with activity"
fi
if [[ -n $seeded ]]; then
    mode="$mode, $seeded"
    cpu_goal=$WELLNESS_CPU_GOAL_PERCENT
    wakeup_goal=$(awk -v goal="$wakeup_goal" -v extra="$extra_wakeups" 'BEGIN {print goal + extra}')
fi
if ((planned > 0)); then
    mode="$mode, $planned planned breaks"
    cpu_goal=$PLANNED_CPU_GOAL_PERCENT
fi
[[ -n ${rss_kb:-} ]] || { echo "the measurement failed" >&2; exit 2; }
awk -v cpu_ns="$cpu_ns" -v switches="$switches" -v preemptions="$preemptions" -v pss_kb="$pss_kb" -v rss_kb="$rss_kb" -v s="$WINDOW_S" \
    -v rss_goal="$RSS_GOAL_MB" -v cpu_goal="$cpu_goal" -v wakeup_goal="$wakeup_goal" \
    -v mode="$mode" -v planned="$planned" 'BEGIN {
    pss = pss_kb / 1024
    rss = rss_kb / 1024
    cpu = 100 * cpu_ns / 1e9 / s
    wakeups = switches / s
    if (planned > 0) {
        printf "RSS %.1f MB, PSS %.1f MB (%s, no goal)\n", rss, pss, mode
    } else {
        verdict(rss < rss_goal)
        printf "RSS %.1f MB, PSS %.1f MB (%s, goal RSS < %s MB: %s)\n", rss, pss, mode, rss_goal, v
    }
    verdict(cpu < cpu_goal); printf "CPU %.3f %% (%s, goal < %s %%: %s)\n", cpu, mode, cpu_goal, v
    verdict(wakeups < wakeup_goal)
    printf "wakeups %.2f /s (%s, goal < %s /s: %s); preemptions %.2f /s\n", wakeups, mode,
        wakeup_goal, v, preemptions / s
    exit missed
}
function verdict(met) { v = met ? "met" : "missed"; if (!met) missed = 1 }' || missed=1
if ((threads)); then
    echo "by thread, over the window:"
    tail -n +2 <<<"$measured" | awk -v s="$WINDOW_S" '
        $1 == "ended" {if (NF > 1) {$1 = ""; print "  ended within it:" $0}; next}
        {printf "  %-26s %6.2f wakeups/s %6.2f preemptions/s %7.4f %% CPU\n", $2 " (" $1 ")",
            $4 / s, $5 / s, 100 * $3 / 1e9 / s}'
fi
exit "${missed:-0}"

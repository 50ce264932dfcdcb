#pragma once

#include <QString>

#include <xcb/sync.h>

#include <cstdint>
#include <optional>

class XcbConnection;

// Two alarms on an X server's idle counter (the SYNC extension's IDLETIME, which every input
// resets), so that the server says when input stops and starts instead of being asked: one
// goes off when the counter climbs past a threshold, the other when it falls back below it.
// Both stay armed after going off. The server's own clock (SERVERTIME) is read alongside, to
// place the times its events carry.
class XSyncIdleAlarms
{
public:
    enum class Kind { quiet, input };

    struct Alarm
    {
        Kind kind;
        // The counter's value when the alarm went off, and the server time then, in ms.
        int64_t idleCounterMs;
        xcb_timestamp_t serverTimeMs;
    };

    struct Reading
    {
        int64_t idleCounterMs;
        int64_t serverTimeMs;
    };

    // Null, with the reason in failure, when the server lacks the extension or its counters.
    static std::optional<XSyncIdleAlarms> create(const XcbConnection &x, int64_t thresholdMs,
                                                 QString *failure);

    // The idle counter and the server's clock, asked together in one round trip.
    std::optional<Reading> read(const XcbConnection &x) const;
    // The alarm an event reports, when it is one of ours.
    std::optional<Alarm> alarmOf(const xcb_generic_event_t *event) const;

private:
    XSyncIdleAlarms(uint8_t firstEvent, xcb_sync_counter_t idleTime, xcb_sync_counter_t serverTime)
        : m_firstEvent(firstEvent), m_idleTime(idleTime), m_serverTime(serverTime)
    {
    }
    bool arm(const XcbConnection &x, int64_t thresholdMs);

    uint8_t m_firstEvent;
    xcb_sync_counter_t m_idleTime;
    xcb_sync_counter_t m_serverTime;
    xcb_sync_alarm_t m_quietAlarm = 0;
    xcb_sync_alarm_t m_inputAlarm = 0;
};

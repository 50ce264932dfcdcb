#include "platform/linux/XSyncIdleAlarms.h"

#include "platform/linux/XcbConnection.h"

#include <cstring>
#include <map>
#include <string>

namespace {

// SYNC 3.1 is the version with the IDLETIME counter.
constexpr uint8_t kSyncMajor = 3;
constexpr uint8_t kSyncMinor = 1;
// On the wire a counter's entry is its id, its resolution and the length of its name, then
// the name, padded to four bytes. (xcb's accessors for this list look for the name two
// bytes too far on, past padding the wire format does not have.)
constexpr std::size_t kCounterEntryHead = 4 + 8 + 2;

int64_t toInt64(xcb_sync_int64_t value)
{
    return int64_t((uint64_t(uint32_t(value.hi)) << 32) | value.lo);
}

xcb_sync_int64_t fromInt64(int64_t value)
{
    return {int32_t(value >> 32), uint32_t(uint64_t(value) & 0xffffffffu)};
}

std::map<std::string, xcb_sync_counter_t> systemCounters(const XcbConnection &x)
{
    std::map<std::string, xcb_sync_counter_t> counters;
    const XcbReply<xcb_sync_list_system_counters_reply_t> list(xcb_sync_list_system_counters_reply(
        x.get(), xcb_sync_list_system_counters(x.get()), nullptr));
    if (!list)
        return counters;
    const auto *entry = reinterpret_cast<const uint8_t *>(list.get() + 1);
    const auto *end = reinterpret_cast<const uint8_t *>(list.get()) + 32 + 4 * std::size_t(list->length);
    for (uint32_t index = 0; index < list->counters_len; ++index) {
        if (end - entry < std::ptrdiff_t(kCounterEntryHead))
            break;
        uint32_t id = 0;
        uint16_t nameLength = 0;
        std::memcpy(&id, entry, sizeof id);
        std::memcpy(&nameLength, entry + 12, sizeof nameLength);
        if (end - entry < std::ptrdiff_t(kCounterEntryHead + nameLength))
            break;
        counters.emplace(std::string(reinterpret_cast<const char *>(entry + kCounterEntryHead),
                                     nameLength),
                         id);
        entry += (kCounterEntryHead + nameLength + 3) & ~std::size_t(3);
    }
    return counters;
}

} // namespace

std::optional<XSyncIdleAlarms> XSyncIdleAlarms::create(const XcbConnection &x,
                                                       int64_t thresholdMs, QString *failure)
{
    auto fail = [&](const QString &reason) {
        if (failure)
            *failure = reason;
        return std::nullopt;
    };
    if (!x.hasExtension(&xcb_sync_id))
        return fail(QStringLiteral("the X server has no SYNC extension"));
    const XcbReply<xcb_sync_initialize_reply_t> version(xcb_sync_initialize_reply(
        x.get(), xcb_sync_initialize(x.get(), kSyncMajor, kSyncMinor), nullptr));
    if (!version)
        return fail(QStringLiteral("the X server's SYNC extension does not answer"));
    const auto counters = systemCounters(x);
    const auto idleTime = counters.find("IDLETIME");
    const auto serverTime = counters.find("SERVERTIME");
    if (idleTime == counters.end() || serverTime == counters.end())
        return fail(QStringLiteral("the X server has no idle time counter"));
    XSyncIdleAlarms alarms(xcb_get_extension_data(x.get(), &xcb_sync_id)->first_event,
                           idleTime->second, serverTime->second);
    if (!alarms.arm(x, thresholdMs))
        return fail(QStringLiteral("the X server refused an alarm on its idle time counter"));
    return alarms;
}

// Transition tests with no step stay armed after going off, so neither alarm is ever set
// again: each crossing of the threshold, either way, comes as one event.
bool XSyncIdleAlarms::arm(const XcbConnection &x, int64_t thresholdMs)
{
    constexpr uint32_t mask = XCB_SYNC_CA_COUNTER | XCB_SYNC_CA_VALUE_TYPE | XCB_SYNC_CA_VALUE
        | XCB_SYNC_CA_TEST_TYPE | XCB_SYNC_CA_DELTA | XCB_SYNC_CA_EVENTS;
    xcb_sync_create_alarm_value_list_t values{};
    values.counter = m_idleTime;
    values.valueType = XCB_SYNC_VALUETYPE_ABSOLUTE;
    values.value = fromInt64(thresholdMs);
    values.delta = fromInt64(0);
    values.events = 1;
    bool armed = true;
    for (auto [alarm, test] : {std::pair{&m_quietAlarm, XCB_SYNC_TESTTYPE_POSITIVE_TRANSITION},
                               std::pair{&m_inputAlarm, XCB_SYNC_TESTTYPE_NEGATIVE_TRANSITION}}) {
        *alarm = xcb_generate_id(x.get());
        values.testType = test;
        const XcbReply<xcb_generic_error_t> error(xcb_request_check(
            x.get(), xcb_sync_create_alarm_aux_checked(x.get(), *alarm, mask, &values)));
        armed = armed && !error;
    }
    return armed;
}

std::optional<XSyncIdleAlarms::Reading> XSyncIdleAlarms::read(const XcbConnection &x) const
{
    const xcb_sync_query_counter_cookie_t idle = xcb_sync_query_counter(x.get(), m_idleTime);
    const xcb_sync_query_counter_cookie_t clock = xcb_sync_query_counter(x.get(), m_serverTime);
    const XcbReply<xcb_sync_query_counter_reply_t> idleReply(
        xcb_sync_query_counter_reply(x.get(), idle, nullptr));
    const XcbReply<xcb_sync_query_counter_reply_t> clockReply(
        xcb_sync_query_counter_reply(x.get(), clock, nullptr));
    if (!idleReply || !clockReply)
        return std::nullopt;
    return Reading{toInt64(idleReply->counter_value), toInt64(clockReply->counter_value)};
}

std::optional<XSyncIdleAlarms::Alarm> XSyncIdleAlarms::alarmOf(const xcb_generic_event_t *event) const
{
    if ((event->response_type & 0x7f) != m_firstEvent + XCB_SYNC_ALARM_NOTIFY)
        return std::nullopt;
    const auto *notify = reinterpret_cast<const xcb_sync_alarm_notify_event_t *>(event);
    if (notify->alarm != m_quietAlarm && notify->alarm != m_inputAlarm)
        return std::nullopt;
    return Alarm{notify->alarm == m_quietAlarm ? Kind::quiet : Kind::input,
                 toInt64(notify->counter_value), notify->timestamp};
}

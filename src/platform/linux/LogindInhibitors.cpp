#include "platform/linux/LogindInhibitors.h"

#include "core/Logger.h"
#include "platform/linux/InhibitorRules.h"
#include "platform/linux/ProcIdentities.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace {

const QString kCategory = QStringLiteral("Meeting");
constexpr const char *kService = "org.freedesktop.login1";
constexpr const char *kPath = "/org/freedesktop/login1";
constexpr const char *kManager = "org.freedesktop.login1.Manager";

// PropertiesChanged(s interface, a{sv} changed, as invalidated) names BlockInhibited.
bool namesBlockInhibited(sd_bus_message *message)
{
    const char *interface = nullptr;
    if (sd_bus_message_read(message, "s", &interface) < 0
        || qstrcmp(interface, kManager) != 0)
        return false;
    bool named = false;
    if (sd_bus_message_enter_container(message, SD_BUS_TYPE_ARRAY, "{sv}") < 0)
        return false;
    while (sd_bus_message_enter_container(message, SD_BUS_TYPE_DICT_ENTRY, "sv") > 0) {
        const char *name = nullptr;
        sd_bus_message_read(message, "s", &name);
        named = named || qstrcmp(name, "BlockInhibited") == 0;
        sd_bus_message_skip(message, "v");
        sd_bus_message_exit_container(message);
    }
    sd_bus_message_exit_container(message);
    char **invalidated = nullptr;
    if (sd_bus_message_read_strv(message, &invalidated) >= 0 && invalidated) {
        for (char **name = invalidated; *name; ++name) {
            named = named || qstrcmp(*name, "BlockInhibited") == 0;
            free(*name);
        }
        free(invalidated);
    }
    return named;
}

} // namespace

LogindInhibitors::LogindInhibitors(EventQueue &queue, ProcIdentities &processes,
                                   std::function<void()> changed)
    : m_queue(queue)
    , m_processes(processes)
    , m_changed(std::move(changed))
{
    connect();
    ask();
}

LogindInhibitors::~LogindInhibitors()
{
    sd_bus_slot_unref(m_pendingCall);
    sd_bus_slot_unref(m_propertiesSlot);
}

void LogindInhibitors::connect()
{
    QString failure;
    m_bus = SdBusConnection::open(m_queue, SdBusConnection::Bus::system, &failure);
    if (!m_bus) {
        reportUnavailable(failure);
        return;
    }
    sd_bus_match_signal_async(m_bus->get(), &m_propertiesSlot, kService, kPath,
                              "org.freedesktop.DBus.Properties", "PropertiesChanged",
                              propertiesCallback, nullptr, this);
    m_bus->flush();
}

void LogindInhibitors::ask()
{
    if (!m_bus)
        return;
    // One question at a time; a newer reason to ask is answered by the next one.
    if (m_pendingCall) {
        m_askAgain = true;
        return;
    }
    const int result = sd_bus_call_method_async(m_bus->get(), &m_pendingCall, kService, kPath,
                                                kManager, "ListInhibitors", answerCallback, this,
                                                nullptr);
    if (result < 0)
        reportUnavailable(QString::fromUtf8(strerror(-result)));
    m_bus->flush();
}

void LogindInhibitors::takeAnswer(sd_bus_message *reply)
{
    QSet<QString> identities;
    if (sd_bus_message_enter_container(reply, SD_BUS_TYPE_ARRAY, "(ssssuu)") >= 0) {
        InhibitorRules::LogindInhibitor entry;
        const char *what, *who, *why, *mode;
        while (sd_bus_message_read(reply, "(ssssuu)", &what, &who, &why, &mode, &entry.uid,
                                   &entry.pid)
               > 0) {
            entry.what = QString::fromUtf8(what);
            entry.mode = QString::fromUtf8(mode);
            if (InhibitorRules::blocksIdle(entry, ::getuid()))
                identities.unite(m_processes.identitiesOf(int(entry.pid)));
        }
        sd_bus_message_exit_container(reply);
    }
    if (identities == m_identities)
        return;
    m_identities = identities;
    m_changed();
}

void LogindInhibitors::reportUnavailable(const QString &reason)
{
    if (m_reportedUnavailable)
        return;
    m_reportedUnavailable = true;
    logInfo(kCategory, formatLogEvent(QStringLiteral("display_sleep_inhibitors_unavailable"),
                                      {{QStringLiteral("reason"), reason},
                                       {QStringLiteral("source"), QStringLiteral("logind")}}));
}

int LogindInhibitors::answerCallback(sd_bus_message *reply, void *self, sd_bus_error *)
{
    auto *inhibitors = static_cast<LogindInhibitors *>(self);
    inhibitors->m_pendingCall = sd_bus_slot_unref(inhibitors->m_pendingCall);
    if (const sd_bus_error *error = sd_bus_message_get_error(reply)) {
        inhibitors->reportUnavailable(QString::fromUtf8(error->message ? error->message : error->name));
        if (!inhibitors->m_identities.isEmpty()) {
            inhibitors->m_identities.clear();
            inhibitors->m_changed();
        }
    } else {
        inhibitors->takeAnswer(reply);
    }
    if (std::exchange(inhibitors->m_askAgain, false))
        inhibitors->ask();
    return 0;
}

int LogindInhibitors::propertiesCallback(sd_bus_message *message, void *self, sd_bus_error *)
{
    if (namesBlockInhibited(message))
        static_cast<LogindInhibitors *>(self)->ask();
    return 0;
}

#include "platform/linux/MutterInputState.h"

#include "core/Logger.h"

#include <QDBusMessage>

namespace {

const QString kService = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString kPath = QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core");
const QString kInterface = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString kCategory = QStringLiteral("InputState");
// Readings are taken on the main thread every second: a stuck compositor may cost a
// moment, never a frozen interface.
constexpr int kCallTimeoutMs = 250;
constexpr int kBusTimeoutMs = 1000;

} // namespace

bool MutterInputState::isAvailable(const QDBusConnection &bus)
{
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    call.setArguments({kService});
    const QDBusMessage reply = bus.call(call, QDBus::Block, kBusTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool();
}

MutterInputState::MutterInputState(const QDBusConnection &bus, MonotonicNow monotonicNow)
    : m_bus(bus)
    , m_monotonicNow(std::move(monotonicNow))
{
}

// Only asking tells whether the monitor answers; the answer then serves the readings that
// follow.
bool MutterInputState::hasReading() const
{
    monitorIdleSeconds();
    return !m_failing;
}

double MutterInputState::monitorIdleSeconds() const
{
    const Moment now = m_monotonicNow();
    if (m_answeredAt && now >= *m_answeredAt && now - *m_answeredAt < answerReuseWindow) {
        const std::chrono::duration<double> age = now - *m_answeredAt;
        return m_answerSeconds + age.count();
    }
    m_answerSeconds = askMonitor();
    // Stamped after the call: the answer describes the moment it arrived, not when it was asked.
    m_answeredAt = m_monotonicNow();
    return m_answerSeconds;
}

double MutterInputState::askMonitor() const
{
    const QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("GetIdletime"));
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, kCallTimeoutMs);
    const QVariant milliseconds = reply.arguments().value(0);
    if (reply.type() == QDBusMessage::ReplyMessage
        && milliseconds.metaType() == QMetaType::fromType<qulonglong>()) {
        if (m_failing) {
            m_failing = false;
            logInfo(kCategory,
                    formatLogEvent(QStringLiteral("input_idle_restored"),
                                   {{QStringLiteral("source"), QStringLiteral("mutter")}}));
        }
        return milliseconds.toULongLong() / 1000.0;
    }
    if (!m_failing) {
        m_failing = true;
        const QString reason = reply.type() == QDBusMessage::ErrorMessage
                                   ? reply.errorMessage()
                                   : QStringLiteral("unexpected reply");
        logWarn(kCategory, formatLogEvent(QStringLiteral("input_idle_failed"),
                                          {{QStringLiteral("reason"), reason},
                                           {QStringLiteral("source"), QStringLiteral("mutter")}}));
    }
    return 0.0;
}

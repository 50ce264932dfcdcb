#include "support/StatusNotifierWatcherMock.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString watcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString itemsProperty = QStringLiteral("RegisteredStatusNotifierItems");
constexpr int timeoutMs = 10000;

} // namespace

StatusNotifierWatcherMock::StatusNotifierWatcherMock()
    : m_service(watcherService, watcherPath, watcherService)
{
}

QString StatusNotifierWatcherMock::start()
{
    if (!m_service.waitUntilOnTheBus())
        return QStringLiteral("the watcher did not come onto the session bus");
    QString error = addProperty(QStringLiteral("IsStatusNotifierHostRegistered"), true);
    if (error.isEmpty())
        error = addProperty(itemsProperty, QStringList());
    if (error.isEmpty())
        error = m_service.addMethod(
            QStringLiteral("RegisterStatusNotifierItem"), QStringLiteral("s"), QString(),
            QStringLiteral("self.Set('%1', '%2', list(self.Get('%1', '%2')) + [args[0]])")
                .arg(watcherService, itemsProperty));
    return error;
}

QStringList StatusNotifierWatcherMock::registeredItems() const
{
    QDBusMessage get = QDBusMessage::createMethodCall(watcherService, watcherPath,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get.setArguments({watcherService, itemsProperty});
    const QDBusMessage reply = QDBusConnection::sessionBus().call(get, QDBus::Block, timeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().constFirst().value<QDBusVariant>().variant().toStringList();
}

QString StatusNotifierWatcherMock::addProperty(const QString &name, const QVariant &value)
{
    QDBusMessage add = QDBusMessage::createMethodCall(watcherService, watcherPath,
                                                      QStringLiteral("org.freedesktop.DBus.Mock"),
                                                      QStringLiteral("AddProperty"));
    add.setArguments({watcherService, name, QVariant::fromValue(QDBusVariant(value))});
    const QDBusMessage reply = QDBusConnection::sessionBus().call(add, QDBus::Block, timeoutMs);
    return reply.type() == QDBusMessage::ErrorMessage ? reply.errorMessage() : QString();
}

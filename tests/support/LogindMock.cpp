#include "support/LogindMock.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

#include <gtest/gtest.h>

namespace {

const QString kLogind = QStringLiteral("org.freedesktop.login1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString kManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");
const QString kSessionInterface = QStringLiteral("org.freedesktop.login1.Session");
const QString kMockInterface = QStringLiteral("org.freedesktop.DBus.Mock");
constexpr int kTimeoutMs = 10000;

QDBusMessage call(const QString &path, const QString &interface, const QString &method,
                  const QVariantList &arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(kLogind, path, interface, method);
    message.setArguments(arguments);
    return QDBusConnection::systemBus().call(message, QDBus::Block, kTimeoutMs);
}

QString errorOf(const QDBusMessage &reply)
{
    return reply.type() == QDBusMessage::ErrorMessage ? reply.errorMessage() : QString();
}

QString sessionPath()
{
    return QStringLiteral("/org/freedesktop/login1/session/")
           + qEnvironmentVariable("XDG_SESSION_ID");
}

} // namespace

QString LogindMock::emitPrepareForSleep(bool start)
{
    return errorOf(call(kManagerPath, kMockInterface, QStringLiteral("EmitSignal"),
                        {kManagerInterface, QStringLiteral("PrepareForSleep"), QStringLiteral("b"),
                         QVariant::fromValue(QVariantList{start})}));
}

QString LogindMock::setLockedHint(bool locked)
{
    return errorOf(call(sessionPath(), kSessionInterface, QStringLiteral("SetLockedHint"), {locked}));
}

QString LogindMock::setSessionActive(bool active)
{
    return errorOf(call(sessionPath(), kMockInterface, QStringLiteral("UpdateProperties"),
                        {kSessionInterface, QVariantMap{{QStringLiteral("Active"), active}}}));
}

QString LogindMock::requestLock()
{
    return errorOf(call(sessionPath(), kSessionInterface, QStringLiteral("Lock")));
}

QString LogindMock::requestUnlock()
{
    return errorOf(call(sessionPath(), kSessionInterface, QStringLiteral("Unlock")));
}

// The list is a(ssssuu): what, who, why, mode, uid, pid.
int LogindMock::applicationInhibitors()
{
    const QDBusMessage reply = call(kManagerPath, kManagerInterface, QStringLiteral("ListInhibitors"));
    if (reply.type() != QDBusMessage::ReplyMessage)
        return -1;
    const QDBusArgument list = reply.arguments().value(0).value<QDBusArgument>();
    int count = 0;
    list.beginArray();
    while (!list.atEnd()) {
        QString what, who, why, mode;
        uint uid = 0, pid = 0;
        list.beginStructure();
        list >> what >> who >> why >> mode >> uid >> pid;
        list.endStructure();
        count += (what == "sleep" && who == "Lumenpause" && mode == "delay") ? 1 : 0;
    }
    list.endArray();
    return count;
}

LogindMock::SessionRestorer::~SessionRestorer()
{
    EXPECT_EQ(setLockedHint(false), QString());
    EXPECT_EQ(setSessionActive(true), QString());
}

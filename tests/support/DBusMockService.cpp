#include "support/DBusMockService.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QTest>

namespace {

constexpr int kTimeoutMs = 10000;

bool onTheBus(const QString &service)
{
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(service).value();
}

} // namespace

DBusMockService::DBusMockService(const QString &service, const QString &path,
                                 const QString &interface)
    : m_service(service)
    , m_path(path)
    , m_interface(interface)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Debian's interpreter, which has the dbus module.
    m_process.start(QStringLiteral("/usr/bin/python3"),
                    {"-m", "dbusmock", "--session", service, path, interface});
}

DBusMockService::~DBusMockService()
{
    [[maybe_unused]] const bool gone = stop();
}

bool DBusMockService::waitUntilOnTheBus()
{
    return QTest::qWaitFor(
        [&] { return m_process.state() == QProcess::Running && onTheBus(m_service); },
        kTimeoutMs);
}

QString DBusMockService::addMethod(const QString &name, const QString &inSignature,
                                   const QString &outSignature, const QString &code)
{
    return callMock(m_path, QStringLiteral("AddMethod"),
                    {m_interface, name, inSignature, outSignature, code});
}

QString DBusMockService::emitSignal(const QString &name, const QString &signature,
                                    const QVariantList &arguments)
{
    return callMock(m_path, QStringLiteral("EmitSignal"),
                    {m_interface, name, signature, QVariant::fromValue(arguments)});
}

QString DBusMockService::callMock(const QString &objectPath, const QString &method,
                                  const QVariantList &arguments)
{
    const QString mockInterface = QStringLiteral("org.freedesktop.DBus.Mock");
    QDBusMessage call =
        QDBusMessage::createMethodCall(m_service, objectPath, mockInterface, method);
    call.setArguments(arguments);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, kTimeoutMs);
    return reply.type() == QDBusMessage::ErrorMessage ? reply.errorMessage() : QString();
}

bool DBusMockService::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return !onTheBus(m_service);
    m_process.terminate();
    if (!m_process.waitForFinished(kTimeoutMs))
        m_process.kill();
    m_process.waitForFinished(kTimeoutMs);
    return QTest::qWaitFor([&] { return !onTheBus(m_service); }, kTimeoutMs);
}

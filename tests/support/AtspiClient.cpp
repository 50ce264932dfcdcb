#include "support/AtspiClient.h"

#include "support/AtspiEventLog.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QUuid>

namespace {

constexpr int callTimeoutMs = 3000;
const QString accessibleInterface = QStringLiteral("org.a11y.atspi.Accessible");
const QString actionInterface = QStringLiteral("org.a11y.atspi.Action");
const QString textInterface = QStringLiteral("org.a11y.atspi.Text");
const QString editableTextInterface = QStringLiteral("org.a11y.atspi.EditableText");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString nullPath = QStringLiteral("/org/a11y/atspi/null");
// Where every application on the bus keeps its root object.
const QString applicationRootPath = QStringLiteral("/org/a11y/atspi/accessible/root");

QDBusMessage call(const QDBusConnection &bus, const QString &service, const QString &path,
                  const QString &interface, const QString &method, const QVariantList &arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return bus.call(message, QDBus::Block, callTimeoutMs);
}

QVariant firstResult(const QDBusMessage &reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().constFirst();
}

// A property of the object's Accessible interface, unwrapped.
QVariant accessibleProperty(const QDBusConnection &bus, const QString &service, const QString &path,
                            const QString &name)
{
    const QVariant result =
        firstResult(call(bus, service, path, propertiesInterface, QStringLiteral("Get"), {accessibleInterface, name}));
    return result.value<QDBusVariant>().variant();
}

QString busAddress()
{
    const QDBusMessage reply = call(QDBusConnection::sessionBus(), QStringLiteral("org.a11y.Bus"),
                                    QStringLiteral("/org/a11y/bus"), QStringLiteral("org.a11y.Bus"),
                                    QStringLiteral("GetAddress"));
    return firstResult(reply).toString();
}

} // namespace

AtspiClient::AtspiClient()
    : m_connectionName(QStringLiteral("atspi-client-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    const QString address = busAddress();
    if (address.isEmpty()) {
        m_error = QStringLiteral("no accessibility bus: org.a11y.Bus is not on the session bus");
        return;
    }
    const QDBusConnection bus = QDBusConnection::connectToBus(address, m_connectionName);
    if (!bus.isConnected()) {
        m_error = QStringLiteral("cannot connect to the accessibility bus at %1: %2")
                      .arg(address, bus.lastError().message());
        return;
    }
    m_bus = bus;
}

AtspiClient::~AtspiClient()
{
    m_bus.reset();
    QDBusConnection::disconnectFromBus(m_connectionName);
}

std::optional<AtspiObject> AtspiClient::application(qint64 pid) const
{
    if (!m_bus)
        return std::nullopt;
    const QString daemon = QStringLiteral("org.freedesktop.DBus");
    const QStringList names = firstResult(call(*m_bus, daemon, QStringLiteral("/org/freedesktop/DBus"), daemon,
                                               QStringLiteral("ListNames")))
                                  .toStringList();
    for (const QString &name : names) {
        if (!name.startsWith(u':'))
            continue;
        const QVariant owner = firstResult(call(*m_bus, daemon, QStringLiteral("/org/freedesktop/DBus"), daemon,
                                                QStringLiteral("GetConnectionUnixProcessID"), {name}));
        if (owner.isValid() && owner.toLongLong() == pid)
            return AtspiObject{name, applicationRootPath};
    }
    return std::nullopt;
}

QList<AtspiObject> AtspiClient::children(const AtspiObject &object) const
{
    QList<AtspiObject> found;
    const QVariant result =
        firstResult(call(*m_bus, object.service, object.path, accessibleInterface, QStringLiteral("GetChildren")));
    if (!result.canConvert<QDBusArgument>())
        return found;
    const QDBusArgument list = result.value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        AtspiObject child;
        QDBusObjectPath path;
        list.beginStructure();
        list >> child.service >> path;
        list.endStructure();
        child.path = path.path();
        found.append(child);
    }
    list.endArray();
    return found;
}

AtspiElement AtspiClient::element(const AtspiObject &object) const
{
    AtspiElement element{object, {}, {}, 0};
    if (!m_bus)
        return element;
    const QVariant name = firstResult(call(*m_bus, object.service, object.path,
                                           QStringLiteral("org.freedesktop.DBus.Properties"),
                                           QStringLiteral("Get"), {accessibleInterface, QStringLiteral("Name")}));
    element.name = name.value<QDBusVariant>().variant().toString();
    element.role =
        firstResult(call(*m_bus, object.service, object.path, accessibleInterface, QStringLiteral("GetRoleName")))
            .toString();
    const QVariant states =
        firstResult(call(*m_bus, object.service, object.path, accessibleInterface, QStringLiteral("GetState")));
    if (states.canConvert<QDBusArgument>()) {
        // Two 32-bit words, the low one first.
        QList<uint> words;
        states.value<QDBusArgument>() >> words;
        for (qsizetype index = 0; index < words.size() && index < 2; ++index)
            element.states |= quint64(words[index]) << (32 * index);
    }
    return element;
}

bool AtspiClient::listenForChanges() const
{
    return m_bus && registerEvent(QStringLiteral("Object:"));
}

// The registry keeps a sign-up for as long as this connection lives.
bool AtspiClient::registerEvent(const QString &event) const
{
    const QDBusMessage reply =
        call(*m_bus, QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("/org/a11y/atspi/registry"),
             QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("RegisterEvent"),
             {event, QStringList(), QString()});
    return reply.type() == QDBusMessage::ReplyMessage;
}

std::optional<AtspiObject> AtspiClient::parent(const AtspiObject &object) const
{
    if (!m_bus)
        return std::nullopt;
    const QVariant reference = accessibleProperty(*m_bus, object.service, object.path, QStringLiteral("Parent"));
    if (!reference.canConvert<QDBusArgument>())
        return std::nullopt;
    AtspiObject found;
    QDBusObjectPath path;
    const QDBusArgument structure = reference.value<QDBusArgument>();
    structure.beginStructure();
    structure >> found.service >> path;
    structure.endStructure();
    found.path = path.path();
    // The bus names no parent with a null path.
    if (found.path.isEmpty() || found.path == nullPath)
        return std::nullopt;
    return found;
}

QString AtspiClient::description(const AtspiObject &object) const
{
    if (!m_bus)
        return {};
    return accessibleProperty(*m_bus, object.service, object.path, QStringLiteral("Description")).toString();
}

void AtspiClient::walk(const AtspiObject &object, bool showingOnly, QList<AtspiElement> &found) const
{
    for (const AtspiObject &child : children(object)) {
        const AtspiElement read = element(child);
        if (showingOnly && !read.has(AtspiState::showing))
            continue;
        found.append(read);
        walk(child, showingOnly, found);
    }
}

QList<AtspiElement> AtspiClient::elements(const AtspiObject &root, bool showingOnly) const
{
    QList<AtspiElement> found;
    if (m_bus)
        walk(root, showingOnly, found);
    return found;
}

std::optional<AtspiElement> AtspiClient::findShowing(const AtspiObject &root, const QString &name,
                                                     const QString &role) const
{
    for (const AtspiElement &candidate : elements(root, true)) {
        if (candidate.name == name && candidate.role == role)
            return candidate;
    }
    return std::nullopt;
}

QList<AtspiClient::Action> AtspiClient::actionList(const AtspiObject &object) const
{
    QList<Action> found;
    if (!m_bus)
        return found;
    const QVariant result =
        firstResult(call(*m_bus, object.service, object.path, actionInterface, QStringLiteral("GetActions")));
    if (!result.canConvert<QDBusArgument>())
        return found;
    const QDBusArgument list = result.value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        Action action;
        QString description;
        list.beginStructure();
        list >> action.name >> description >> action.keyBinding;
        list.endStructure();
        found.append(action);
    }
    list.endArray();
    return found;
}

QStringList AtspiClient::actions(const AtspiObject &object) const
{
    QStringList names;
    for (const Action &action : actionList(object))
        names.append(action.name);
    return names;
}

QStringList AtspiClient::keyBindings(const AtspiObject &object) const
{
    QStringList keys;
    for (const Action &action : actionList(object)) {
        if (!action.keyBinding.isEmpty())
            keys.append(action.keyBinding);
    }
    return keys;
}

bool AtspiClient::doAction(const AtspiObject &object, const QString &action) const
{
    const qsizetype index = actions(object).indexOf(action);
    if (index < 0)
        return false;
    return firstResult(call(*m_bus, object.service, object.path, actionInterface, QStringLiteral("DoAction"),
                            {int(index)}))
        .toBool();
}

QString AtspiClient::text(const AtspiObject &object) const
{
    if (!m_bus)
        return {};
    // To the end: -1 stands for the last character.
    return firstResult(call(*m_bus, object.service, object.path, textInterface, QStringLiteral("GetText"), {0, -1}))
        .toString();
}

bool AtspiClient::setText(const AtspiObject &object, const QString &text) const
{
    if (!m_bus)
        return false;
    const QDBusMessage reply = call(*m_bus, object.service, object.path, editableTextInterface,
                                    QStringLiteral("SetTextContents"), {text});
    return firstResult(reply).toBool();
}

bool AtspiClient::recordStateChanges(AtspiEventLog &log)
{
    if (!m_bus)
        return false;
    const QString eventInterface = QStringLiteral("org.a11y.atspi.Event.Object");
    if (!m_bus->connect(QString(), QString(), eventInterface, QStringLiteral("StateChanged"), &log,
                        SLOT(record(QDBusMessage))))
        return false;
    // Applications announce only the events a listener has asked the registry for, named as
    // on the bus: Qt reads no other spelling.
    return registerEvent(QStringLiteral("Object:StateChanged:"));
}

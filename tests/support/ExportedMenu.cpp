#include "support/ExportedMenu.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>

namespace {

constexpr int timeoutMs = 10000;
const QString menuPath = QStringLiteral("/MenuBar");
const QString menuInterface = QStringLiteral("com.canonical.dbusmenu");

const QDBusArgument &operator>>(const QDBusArgument &argument, MenuNode &node)
{
    argument.beginStructure();
    argument >> node.id >> node.properties;
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        MenuNode childNode;
        child.variant().value<QDBusArgument>() >> childNode;
        node.children.append(childNode);
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

} // namespace

const MenuNode *MenuNode::find(const QString &label) const
{
    for (const MenuNode &child : children) {
        if (child.label() == label)
            return &child;
        if (const MenuNode *found = child.find(label))
            return found;
    }
    return nullptr;
}

QStringList MenuNode::describe(const QString &indent) const
{
    QStringList lines;
    for (const MenuNode &child : children) {
        lines.append(indent + (child.isSeparator() ? QStringLiteral("---") : child.label())
                     + (child.enabled() ? QString() : QStringLiteral(" (disabled)")));
        lines += child.describe(indent + QStringLiteral("  "));
    }
    return lines;
}

ExportedMenu::ExportedMenu(QString service, QDBus::CallMode mode)
    : m_service(std::move(service))
    , m_mode(mode)
{
}

MenuNode ExportedMenu::layout() const
{
    call(QStringLiteral("AboutToShow"), {0});
    const QDBusMessage reply = call(QStringLiteral("GetLayout"), {0, -1, QStringList()});
    MenuNode root;
    if (reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == 2)
        reply.arguments().at(1).value<QDBusArgument>() >> root;
    return root;
}

bool ExportedMenu::click(const QString &label) const
{
    const MenuNode menu = layout();
    const MenuNode *entry = menu.find(label);
    if (!entry)
        return false;
    const QDBusMessage reply = call(QStringLiteral("Event"),
                                    {entry->id, QStringLiteral("clicked"),
                                     QVariant::fromValue(QDBusVariant(0)), 0u});
    return reply.type() == QDBusMessage::ReplyMessage;
}

QDBusMessage ExportedMenu::call(const QString &method, const QVariantList &arguments) const
{
    QDBusMessage message = QDBusMessage::createMethodCall(m_service, menuPath, menuInterface, method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, m_mode, timeoutMs);
}

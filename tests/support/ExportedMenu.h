#pragma once

#include <QDBusConnection>
#include <QList>
#include <QString>
#include <QVariantMap>

// One entry of a menu exported over D-Bus, with its children.
struct MenuNode
{
    int id = 0;
    QVariantMap properties;
    QList<MenuNode> children;

    QString label() const { return properties.value(QStringLiteral("label")).toString(); }
    bool enabled() const { return properties.value(QStringLiteral("enabled"), true).toBool(); }
    bool isSeparator() const { return properties.value(QStringLiteral("type")) == "separator"; }
    // The first entry with that label, at any depth; null when there is none.
    const MenuNode *find(const QString &label) const;
    // The entries as a host shows them: labels, "(disabled)", "---", submenus indented.
    QStringList describe(const QString &indent = {}) const;
};

// The menu a tray item exports (com.canonical.dbusmenu at /MenuBar), read and clicked over
// the session bus as a tray host does. Calls to an item of this very process must let its
// event loop run while they wait: BlockWithGui.
class ExportedMenu
{
public:
    explicit ExportedMenu(QString service, QDBus::CallMode mode = QDBus::Block);

    // Announces an opening, as a host does before each, then reads the whole menu.
    MenuNode layout() const;
    // Clicks the entry of that label; false when the menu has none or the call fails.
    bool click(const QString &label) const;

private:
    QDBusMessage call(const QString &method, const QVariantList &arguments) const;

    QString m_service;
    QDBus::CallMode m_mode;
};

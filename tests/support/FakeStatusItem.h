#pragma once

#include "menubar/StatusItem.h"

#include <QIcon>
#include <QList>
#include <QPointer>
#include <QStringList>

// A tray item that shows nothing and records what a tray host would be told: every icon and
// tool tip handed over, whether it is shown, the menus opened. The test plays the host: it
// says whether one runs and whether it draws menus itself, and clicks the item.
class FakeStatusItem : public StatusItem
{
    Q_OBJECT

public:
    struct PoppedUpMenu
    {
        QPointer<QMenu> menu;
        MenuPlacement placement;
    };

    using StatusItem::StatusItem;

    bool isHostAvailable() const override { return m_hostAvailable; }
    void setIcon(const QIcon &icon) override;
    void setToolTip(const QString &toolTip) override;
    void setVisible(bool visible) override { m_visible = visible; }
    bool isVisible() const override { return m_visible; }
    void setContextMenu(QMenu *menu) override { m_contextMenu = menu; }
    bool contextMenuShowsWidgets() const override { return m_contextMenuShowsWidgets; }
    void popUpMenu(QMenu *menu, MenuPlacement placement) override;

    void setHostAvailable(bool available) { m_hostAvailable = available; }
    // False plays a host that renders exported plain items.
    void setContextMenuShowsWidgets(bool showsWidgets) { m_contextMenuShowsWidgets = showsWidgets; }
    void click() { emit activated(); }

    const QIcon &icon() const { return m_icon; }
    int iconChanges() const { return m_iconChanges; }
    QString toolTip() const { return m_toolTips.isEmpty() ? QString() : m_toolTips.constLast(); }
    // Every tool tip handed over, oldest first.
    const QStringList &toolTips() const { return m_toolTips; }
    QMenu *contextMenu() const { return m_contextMenu; }
    const QList<PoppedUpMenu> &poppedUpMenus() const { return m_poppedUp; }

private:
    bool m_hostAvailable = true;
    bool m_contextMenuShowsWidgets = true;
    bool m_visible = false;
    QIcon m_icon;
    int m_iconChanges = 0;
    QStringList m_toolTips;
    QMenu *m_contextMenu = nullptr;
    QList<PoppedUpMenu> m_poppedUp;
};

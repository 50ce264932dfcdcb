#include "menubar/TrayStatusItem.h"

#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>

TrayStatusItem::TrayStatusItem(QObject *parent)
    : StatusItem(parent)
    , m_icon(new QSystemTrayIcon(this))
{
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                // The secondary click opens the context menu, which the tray handles itself.
                if (reason == QSystemTrayIcon::Trigger)
                    emit activated();
            });
}

TrayStatusItem::~TrayStatusItem() = default;

bool TrayStatusItem::isHostAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayStatusItem::setIcon(const QIcon &icon)
{
    m_icon->setIcon(icon);
}

// Each change is a message to the tray host, and refreshes come every second.
void TrayStatusItem::setToolTip(const QString &toolTip)
{
    if (m_icon->toolTip() != toolTip)
        m_icon->setToolTip(toolTip);
}

void TrayStatusItem::setVisible(bool visible)
{
    m_icon->setVisible(visible);
}

bool TrayStatusItem::isVisible() const
{
    return m_icon->isVisible();
}

void TrayStatusItem::setContextMenu(QMenu *menu)
{
    m_contextMenu = menu;
    m_icon->setContextMenu(menu);
}

// Qt gives a menu a platform menu when it exports it to the host instead of showing it.
bool TrayStatusItem::contextMenuShowsWidgets() const
{
    return !m_contextMenu || !m_contextMenu->platformMenu();
}

// Over the bus the host does not say where the item is: the geometry is empty.
void TrayStatusItem::popUpMenu(QMenu *menu, MenuPlacement placement)
{
    const QRect place = m_icon->geometry();
    const bool placeKnown = place.isValid() && !place.isEmpty();
    menu->popup(placement == MenuPlacement::nearItem && placeKnown ? place.bottomLeft()
                                                                   : QCursor::pos());
}

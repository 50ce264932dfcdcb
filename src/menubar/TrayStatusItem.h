#pragma once

#include "menubar/StatusItem.h"

class QSystemTrayIcon;

// The item on Qt's system tray icon: a StatusNotifierItem on the session bus where a
// watcher runs, an XEmbed tray icon otherwise. Over the bus the host renders the context
// menu from its exported plain items.
class TrayStatusItem : public StatusItem
{
    Q_OBJECT

public:
    explicit TrayStatusItem(QObject *parent = nullptr);
    ~TrayStatusItem() override;

    bool isHostAvailable() const override;
    void setIcon(const QIcon &icon) override;
    void setToolTip(const QString &toolTip) override;
    void setVisible(bool visible) override;
    bool isVisible() const override;
    void setContextMenu(QMenu *menu) override;
    bool contextMenuShowsWidgets() const override;
    void popUpMenu(QMenu *menu, MenuPlacement placement) override;

private:
    QSystemTrayIcon *m_icon;
    QMenu *m_contextMenu = nullptr;
};

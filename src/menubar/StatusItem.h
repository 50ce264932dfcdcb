#pragma once

#include <QObject>

class QIcon;
class QMenu;
class QString;

// The application's item in the desktop's tray: an icon with a tool tip, a menu the tray
// host opens on a secondary click, and a signal for the primary click. Main thread only.
class StatusItem : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Whether some tray host shows the item now. Without one the item waits, and appears
    // once a host starts.
    virtual bool isHostAvailable() const = 0;

    virtual void setIcon(const QIcon &icon) = 0;
    virtual void setToolTip(const QString &toolTip) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool isVisible() const = 0;

    // The menu stays the caller's. Set it before the first time its content is built.
    virtual void setContextMenu(QMenu *menu) = 0;
    // False when the host draws that menu itself from plain items, which can show text but
    // not the widgets a Qt menu can hold.
    virtual bool contextMenuShowsWidgets() const = 0;
    enum class MenuPlacement {
        // Where the user just clicked the item.
        atPointer,
        // For a menu nobody clicked for: below the item when the host tells where it is,
        // else at the pointer.
        nearItem,
    };
    // Opens a menu of the caller's, which stays the caller's.
    virtual void popUpMenu(QMenu *menu, MenuPlacement placement) = 0;

signals:
    // The primary click (or the host's activation) on the item.
    void activated();
};

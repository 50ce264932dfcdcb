#pragma once

#include <QAccessibleObject>
#include <QList>

class QMenu;

// The application's root for screen readers: its windows, as Qt lists them, then every menu
// open on its own. Qt leaves popups out of the root, counting on each to be reached through
// the control that opened it; a menu opened from the tray icon has no such control, and a
// screen reader could neither find it nor press its entries. Menus opened from a control of
// ours (a picker's list, a submenu, the snooze menu) stay under that control alone.
class ApplicationAccessible : public QAccessibleApplication
{
public:
    // Makes Qt build this root for the application. To be called before anything asks for
    // the root (the accessibility bus does once the event loop runs): Qt keeps the first.
    static void install();

    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *child(int index) const override;

private:
    // The menus shown now that have no parent widget, in the order they were made.
    static QList<QMenu *> openMenus();
};

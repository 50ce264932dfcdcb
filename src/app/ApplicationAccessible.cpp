#include "app/ApplicationAccessible.h"

#include <QApplication>
#include <QMenu>
#include <QWindow>

namespace {

QAccessibleInterface *applicationFactory(const QString &className, QObject *object)
{
    if (object != qApp || className != QLatin1String(QApplication::staticMetaObject.className()))
        return nullptr;
    return new ApplicationAccessible;
}

} // namespace

void ApplicationAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&applicationFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

// Walked as Qt walks the windows for the root, in the order they were made, so that an index
// means the same menu from one question to the next.
QList<QMenu *> ApplicationAccessible::openMenus()
{
    QList<QMenu *> menus;
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        if (window->type() != Qt::Popup || !window->isVisible())
            continue;
        const QAccessibleInterface *root = window->accessibleRoot();
        auto *menu = root ? qobject_cast<QMenu *>(root->object()) : nullptr;
        if (menu && !menu->parentWidget())
            menus.append(menu);
    }
    return menus;
}

int ApplicationAccessible::childCount() const
{
    return QAccessibleApplication::childCount() + int(openMenus().size());
}

int ApplicationAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const int window = QAccessibleApplication::indexOfChild(child);
    if (window >= 0 || !child)
        return window;
    const int menu = int(openMenus().indexOf(qobject_cast<QMenu *>(child->object())));
    return menu < 0 ? -1 : QAccessibleApplication::childCount() + menu;
}

QAccessibleInterface *ApplicationAccessible::child(int index) const
{
    const int windows = QAccessibleApplication::childCount();
    if (index < windows)
        return QAccessibleApplication::child(index);
    const QList<QMenu *> menus = openMenus();
    return index - windows < menus.size() ? QAccessible::queryAccessibleInterface(menus.at(index - windows)) : nullptr;
}

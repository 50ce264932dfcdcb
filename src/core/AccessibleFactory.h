#pragma once

#include <QAccessible>
#include <QLatin1String>

// Has Qt build an `Interface` (constructed from the widget) as what screen readers see of
// every `Widget`. Qt asks the factories for each class of a widget's chain in turn, from its
// own up, so subclasses get it too, and it answers before the stock interface of a Qt base
// class would. Installed once per pair of types; later calls do nothing.
template <typename Widget, typename Interface>
void installAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
            if (className != QLatin1String(Widget::staticMetaObject.className()))
                return nullptr;
            auto *widget = qobject_cast<Widget *>(object);
            return widget ? new Interface(widget) : nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}

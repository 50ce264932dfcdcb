#pragma once

#include <QAccessibleWidget>

// What screen readers see of a widget that gathers controls under a heading: a grouping (a
// panel on the desktop's accessibility bus) with the widget's accessible name and
// description. A screen reader says the name of the group the focus enters; a plain widget
// is a filler, which it passes over as mere layout.
class GroupingAccessible : public QAccessibleWidget
{
public:
    explicit GroupingAccessible(QWidget *widget);

    // Makes Qt ask us for every `Widget`, subclasses included; once per type, later calls do
    // nothing.
    template <typename Widget>
    static void install()
    {
        static const bool installed = [] {
            QAccessible::installFactory(&factory<Widget>);
            return true;
        }();
        Q_UNUSED(installed);
    }

private:
    template <typename Widget>
    static QAccessibleInterface *factory(const QString &className, QObject *object)
    {
        if (className != QLatin1String(Widget::staticMetaObject.className()))
            return nullptr;
        auto *widget = qobject_cast<Widget *>(object);
        return widget ? new GroupingAccessible(widget) : nullptr;
    }
};

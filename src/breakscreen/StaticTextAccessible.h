#pragma once

#include <QAccessibleWidget>

// What screen readers see of a widget that paints a text itself (a line of the break
// overlay, the countdown): a label whose name is the widget's accessible name, which the
// widget keeps to what it shows. Whatever the widget draws its text with stays out of sight.
class StaticTextAccessible : public QAccessibleWidget
{
public:
    explicit StaticTextAccessible(QWidget *widget);

    // Makes Qt ask us for every `Widget`; once per type, later calls do nothing.
    template <typename Widget>
    static void install()
    {
        static const bool installed = [] {
            QAccessible::installFactory(&factory<Widget>);
            return true;
        }();
        Q_UNUSED(installed);
    }

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

private:
    template <typename Widget>
    static QAccessibleInterface *factory(const QString &className, QObject *object)
    {
        if (className != QLatin1String(Widget::staticMetaObject.className()))
            return nullptr;
        auto *widget = qobject_cast<Widget *>(object);
        return widget ? new StaticTextAccessible(widget) : nullptr;
    }
};

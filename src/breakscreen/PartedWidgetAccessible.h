#pragma once

#include "breakscreen/AccessiblePart.h"

#include <QAccessibleWidget>
#include <QList>

#include <functional>

// What screen readers see of a widget that paints its parts itself: the widget under a role
// of its choosing, whose children are its parts (AccessiblePart), then its child widgets.
// The widget type lists its parts in accessibleParts().
class PartedWidgetAccessible : public QAccessibleWidget
{
public:
    PartedWidgetAccessible(QWidget *widget, QAccessible::Role role,
                           const QList<AccessiblePart::Description> &parts);
    ~PartedWidgetAccessible() override;

    // Makes Qt ask us for every `Widget`; once per type, later calls do nothing.
    template <typename Widget, QAccessible::Role role>
    static void install()
    {
        static const bool installed = [] {
            QAccessible::installFactory(&factory<Widget, role>);
            return true;
        }();
        Q_UNUSED(installed);
    }

    // Tells screen readers that the keyboard moved to part `index` of `widget`.
    static void announceFocus(QWidget *widget, int index);
    // The same for a widget that has just taken the keyboard: on the next turn of the event
    // loop, after Qt has announced the widget itself, and only if it still has the keyboard
    // and `index` then names a part.
    static void announceFocusSoon(QWidget *widget, std::function<int()> index);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

private:
    template <typename Widget, QAccessible::Role role>
    static QAccessibleInterface *factory(const QString &className, QObject *object)
    {
        if (className != QLatin1String(Widget::staticMetaObject.className()))
            return nullptr;
        auto *widget = qobject_cast<Widget *>(object);
        return widget ? new PartedWidgetAccessible(widget, role, widget->accessibleParts()) : nullptr;
    }

    QList<QAccessible::Id> m_parts;
};

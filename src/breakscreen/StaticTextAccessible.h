#pragma once

#include "core/AccessibleFactory.h"

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
        installAccessibleFactory<Widget, StaticTextAccessible>();
    }

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
};

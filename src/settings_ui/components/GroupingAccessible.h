#pragma once

#include "core/AccessibleFactory.h"

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
        installAccessibleFactory<Widget, GroupingAccessible>();
    }
};

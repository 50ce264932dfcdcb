#include "settings_ui/components/GroupingAccessible.h"

GroupingAccessible::GroupingAccessible(QWidget *widget)
    : QAccessibleWidget(widget, QAccessible::Grouping)
{
}

#include "breakscreen/StaticTextAccessible.h"

StaticTextAccessible::StaticTextAccessible(QWidget *widget)
    : QAccessibleWidget(widget, QAccessible::StaticText)
{
}

#include "settings_ui/components/ScrollToFocus.h"

#include <QLayout>
#include <QScrollArea>

void ScrollToFocus::reveal(QWidget *widget)
{
    QList<QWidget *> around;
    for (QWidget *parent = widget->parentWidget(); parent && !parent->isWindow(); parent = parent->parentWidget())
        around.prepend(parent);
    // Outermost first: each layout places the next.
    for (QWidget *parent : std::as_const(around)) {
        if (parent->layout())
            parent->layout()->activate();
    }
    for (QWidget *parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
        if (auto *area = qobject_cast<QScrollArea *>(parent))
            area->ensureWidgetVisible(widget);
    }
}

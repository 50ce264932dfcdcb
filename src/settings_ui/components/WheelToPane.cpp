#include "settings_ui/components/WheelToPane.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QWheelEvent>
#include <QWidget>

void WheelToPane::install(QWidget *control)
{
    control->installEventFilter(new WheelToPane(control));
}

bool WheelToPane::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    auto *control = static_cast<QWidget *>(watched);
    QWidget *ancestor = control->parentWidget();
    while (ancestor && !qobject_cast<QAbstractScrollArea *>(ancestor))
        ancestor = ancestor->parentWidget();
    // Handed straight to the scroll area's viewport rather than left to propagate: Qt passes
    // only the system's own wheel events on to parents.
    if (auto *area = qobject_cast<QAbstractScrollArea *>(ancestor)) {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        QWidget *viewport = area->viewport();
        const QPointF position = control->mapTo(viewport, wheel->position());
        QWheelEvent forwarded(position, wheel->globalPosition(), wheel->pixelDelta(),
                              wheel->angleDelta(), wheel->buttons(), wheel->modifiers(),
                              wheel->phase(), wheel->inverted(), wheel->source());
        QCoreApplication::sendEvent(viewport, &forwarded);
    }
    return true;
}

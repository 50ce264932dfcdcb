#include "breakscreen/PartedWidgetAccessible.h"

#include <QPointer>

PartedWidgetAccessible::PartedWidgetAccessible(QWidget *widget, QAccessible::Role role,
                                               const QList<AccessiblePart::Description> &parts)
    : QAccessibleWidget(widget, role)
{
    // The bus names every object by its id; the registry owns the parts from here on, and
    // may have deleted them before us when the application ends.
    for (const AccessiblePart::Description &description : parts)
        m_parts.append(QAccessible::registerAccessibleInterface(new AccessiblePart(widget, description)));
}

PartedWidgetAccessible::~PartedWidgetAccessible()
{
    for (QAccessible::Id part : std::as_const(m_parts))
        QAccessible::deleteAccessibleInterface(part);
}

int PartedWidgetAccessible::childCount() const
{
    return int(m_parts.size()) + QAccessibleWidget::childCount();
}

QAccessibleInterface *PartedWidgetAccessible::child(int index) const
{
    if (index < 0)
        return nullptr;
    if (index < m_parts.size())
        return QAccessible::accessibleInterface(m_parts[index]);
    return QAccessibleWidget::child(index - int(m_parts.size()));
}

int PartedWidgetAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (qsizetype index = 0; index < m_parts.size(); ++index) {
        if (QAccessible::accessibleInterface(m_parts[index]) == child)
            return int(index);
    }
    const int widget = QAccessibleWidget::indexOfChild(child);
    return widget < 0 ? -1 : widget + int(m_parts.size());
}

QAccessibleInterface *PartedWidgetAccessible::childAt(int x, int y) const
{
    for (QAccessible::Id id : m_parts) {
        QAccessibleInterface *part = QAccessible::accessibleInterface(id);
        if (part && !part->state().invisible && part->rect().contains(x, y))
            return part;
    }
    return QAccessibleWidget::childAt(x, y);
}

QAccessibleInterface *PartedWidgetAccessible::focusChild() const
{
    for (QAccessible::Id id : m_parts) {
        QAccessibleInterface *part = QAccessible::accessibleInterface(id);
        if (part && part->state().focused)
            return part;
    }
    return QAccessibleWidget::focusChild();
}

void PartedWidgetAccessible::announceFocus(QWidget *widget, int index)
{
    QAccessibleEvent event(widget, QAccessible::Focus);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

void PartedWidgetAccessible::announceFocusSoon(QWidget *widget, std::function<int()> index)
{
    QPointer<QWidget> guarded(widget);
    QMetaObject::invokeMethod(
        widget,
        [guarded, index = std::move(index)] {
            const int part = guarded && guarded->hasFocus() ? index() : -1;
            if (part >= 0)
                announceFocus(guarded, part);
        },
        Qt::QueuedConnection);
}

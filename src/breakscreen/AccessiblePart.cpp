#include "breakscreen/AccessiblePart.h"

#include <QWindow>

AccessiblePart::AccessiblePart(QWidget *owner, Description description)
    : m_owner(owner)
    , m_description(std::move(description))
{
}

bool AccessiblePart::isValid() const
{
    return m_owner;
}

QWindow *AccessiblePart::window() const
{
    return m_owner ? m_owner->window()->windowHandle() : nullptr;
}

QVector<QPair<QAccessibleInterface *, QAccessible::Relation>>
AccessiblePart::relations(QAccessible::Relation) const
{
    return {};
}

QAccessibleInterface *AccessiblePart::parent() const
{
    return m_owner ? QAccessible::queryAccessibleInterface(m_owner) : nullptr;
}

QString AccessiblePart::text(QAccessible::Text kind) const
{
    return kind == QAccessible::Name ? m_description.name : QString();
}

QRect AccessiblePart::rect() const
{
    if (!m_owner || !m_description.rect)
        return {};
    const QRect local = m_description.rect();
    return QRect(m_owner->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State AccessiblePart::state() const
{
    QAccessible::State state;
    if (!m_owner)
        return state;
    state.invisible = !m_owner->isVisible();
    state.disabled = !m_owner->isEnabled();
    if (m_description.expanded) {
        state.expandable = true;
        state.expanded = m_description.expanded();
        state.collapsed = !state.expanded;
    }
    if (m_description.focused) {
        state.focusable = true;
        state.focused = m_description.focused();
    }
    return state;
}

// A text offers no action at all: a screen reader would otherwise announce it as pressable.
void *AccessiblePart::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface && m_description.press
               ? static_cast<QAccessibleActionInterface *>(this)
               : nullptr;
}

QStringList AccessiblePart::actionNames() const
{
    return m_description.press ? QStringList{pressAction()} : QStringList();
}

void AccessiblePart::doAction(const QString &actionName)
{
    // What the user cannot see or reach cannot be pressed either.
    if (actionName != pressAction() || !m_owner || !m_owner->isVisible() || !m_owner->isEnabled())
        return;
    // On the next turn of the event loop, as a click's release comes: what the press does may
    // take the widget away (a snooze ends the break screen) while the caller still holds this
    // part.
    if (m_description.press)
        QMetaObject::invokeMethod(m_owner, m_description.press, Qt::QueuedConnection);
}

#include "settings_ui/components/ValueComboBoxEntryAccessible.h"

#include "settings_ui/components/ValueComboBox.h"

#include <QAbstractItemView>
#include <QWindow>

ValueComboBoxEntryAccessible::ValueComboBoxEntryAccessible(ValueComboBox *picker, int row)
    : m_picker(picker)
    , m_row(row)
{
}

bool ValueComboBoxEntryAccessible::isValid() const
{
    return m_picker;
}

bool ValueComboBoxEntryAccessible::isShown() const
{
    return m_picker && m_row < m_picker->count() && m_picker->isListOpen();
}

QWindow *ValueComboBoxEntryAccessible::window() const
{
    if (!m_picker)
        return nullptr;
    // The open list is a window of its own.
    QWidget *list = isShown() ? m_picker->view()->window() : m_picker->window();
    return list->windowHandle();
}

QAccessibleInterface *ValueComboBoxEntryAccessible::parent() const
{
    return m_picker ? QAccessible::queryAccessibleInterface(m_picker) : nullptr;
}

QString ValueComboBoxEntryAccessible::text(QAccessible::Text kind) const
{
    if (kind != QAccessible::Name || !m_picker || m_row >= m_picker->count())
        return {};
    return m_picker->itemText(m_row);
}

QRect ValueComboBoxEntryAccessible::rect() const
{
    if (!isShown())
        return {};
    const QAbstractItemView *list = m_picker->view();
    const QRect local = list->visualRect(list->model()->index(m_row, m_picker->modelColumn()));
    return QRect(list->viewport()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State ValueComboBoxEntryAccessible::state() const
{
    QAccessible::State state;
    state.invisible = !isShown();
    if (!m_picker)
        return state;
    state.selectable = true;
    state.selected = m_row == m_picker->currentIndex();
    state.disabled = !m_picker->isEnabled();
    return state;
}

void *ValueComboBoxEntryAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
}

QStringList ValueComboBoxEntryAccessible::actionNames() const
{
    return {pressAction()};
}

void ValueComboBoxEntryAccessible::doAction(const QString &actionName)
{
    // An entry of a closed list cannot be pressed, as it cannot be clicked.
    if (actionName != pressAction() || !isShown() || !m_picker->isEnabled())
        return;
    // On the next turn of the event loop, as a click's release comes: choosing closes the list
    // and may rebuild the pane, while the caller still holds this entry.
    ValueComboBox *picker = m_picker;
    QMetaObject::invokeMethod(
        picker,
        [picker, row = m_row] {
            if (picker->isListOpen() && row < picker->count())
                picker->pick(row);
        },
        Qt::QueuedConnection);
}

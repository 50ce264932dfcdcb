#include "settings_ui/components/ValueComboBoxAccessible.h"

#include "core/AccessibleFactory.h"
#include "settings_ui/components/ValueComboBox.h"
#include "settings_ui/components/ValueComboBoxEntryAccessible.h"

ValueComboBoxAccessible::ValueComboBoxAccessible(ValueComboBox *picker)
    : QAccessibleWidget(picker, QAccessible::ComboBox)
{
}

ValueComboBoxAccessible::~ValueComboBoxAccessible()
{
    // The registry owns the entries once registered, and may have deleted them before us when
    // the application ends.
    for (QAccessible::Id entry : std::as_const(m_entries))
        QAccessible::deleteAccessibleInterface(entry);
}

void ValueComboBoxAccessible::install()
{
    // Answers before the stock combo box's interface would.
    installAccessibleFactory<ValueComboBox, ValueComboBoxAccessible>();
}

ValueComboBox *ValueComboBoxAccessible::picker() const
{
    return static_cast<ValueComboBox *>(widget());
}

QString ValueComboBoxAccessible::shownChoice() const
{
    return picker()->currentIndex() < 0 ? QString() : picker()->currentText();
}

QString ValueComboBoxAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return shownChoice();
    // The row's label, set as the accessible name; never the choice, which is the value.
    return QAccessibleWidget::text(kind);
}

QAccessible::State ValueComboBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = picker()->isListOpen();
    state.collapsed = !state.expanded;
    state.hasPopup = true;
    return state;
}

void *ValueComboBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

int ValueComboBoxAccessible::childCount() const
{
    return picker()->isListOpen() ? picker()->count() : 0;
}

QAccessibleInterface *ValueComboBoxAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    while (m_entries.size() <= index) {
        auto *entry = new ValueComboBoxEntryAccessible(picker(), int(m_entries.size()));
        m_entries.append(QAccessible::registerAccessibleInterface(entry));
    }
    return QAccessible::accessibleInterface(m_entries[index]);
}

int ValueComboBoxAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const int count = childCount();
    for (int index = 0; index < count && index < m_entries.size(); ++index) {
        if (QAccessible::accessibleInterface(m_entries[index]) == child)
            return index;
    }
    return -1;
}

QAccessibleInterface *ValueComboBoxAccessible::childAt(int x, int y) const
{
    const int count = childCount();
    for (int index = 0; index < count; ++index) {
        QAccessibleInterface *entry = child(index);
        if (entry && entry->rect().contains(x, y))
            return entry;
    }
    return nullptr;
}

QStringList ValueComboBoxAccessible::actionNames() const
{
    return {pressAction(), showMenuAction()};
}

void ValueComboBoxAccessible::doAction(const QString &actionName)
{
    if (actionName != pressAction() && actionName != showMenuAction())
        return;
    if (!picker()->isVisible() || !picker()->isEnabled())
        return;
    if (picker()->isListOpen())
        picker()->hidePopup();
    else
        picker()->showPopup();
}

void ValueComboBoxAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString ValueComboBoxAccessible::text(int startOffset, int endOffset) const
{
    const QString choice = shownChoice();
    if (endOffset < 0 || endOffset > choice.size())
        endOffset = int(choice.size());
    if (startOffset < 0 || startOffset >= endOffset)
        return {};
    return choice.mid(startOffset, endOffset - startOffset);
}

int ValueComboBoxAccessible::characterCount() const
{
    return int(shownChoice().size());
}

QString ValueComboBoxAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

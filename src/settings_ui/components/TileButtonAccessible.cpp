#include "settings_ui/components/TileButtonAccessible.h"

#include "core/AccessibleFactory.h"
#include "settings_ui/components/TileButton.h"

TileButtonAccessible::TileButtonAccessible(TileButton *button)
    : QAccessibleWidget(button)
{
}

void TileButtonAccessible::install()
{
    installAccessibleFactory<TileButton, TileButtonAccessible>();
}

TileButton *TileButtonAccessible::button() const
{
    return static_cast<TileButton *>(widget());
}

QAccessible::Role TileButtonAccessible::role() const
{
    switch (button()->role()) {
    case TileButton::Role::checkBox: return QAccessible::CheckBox;
    case TileButton::Role::radioButton: return QAccessible::RadioButton;
    case TileButton::Role::button: break;
    }
    return QAccessible::Button;
}

QAccessible::State TileButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = button()->isDown();
    if (button()->role() != TileButton::Role::button) {
        state.checkable = true;
        state.checked = button()->isSelected();
    }
    return state;
}

QString TileButtonAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name) {
        const QString name = button()->accessibleName();
        return name.isEmpty() ? button()->text() : name;
    }
    return QAccessibleWidget::text(kind);
}

QStringList TileButtonAccessible::actionNames() const
{
    QStringList names{pressAction()};
    if (button()->role() == TileButton::Role::checkBox)
        names << toggleAction();
    return names;
}

void TileButtonAccessible::doAction(const QString &actionName)
{
    if (!button()->isEnabled())
        return;
    if (actionName == pressAction() || actionName == toggleAction())
        button()->click();
}

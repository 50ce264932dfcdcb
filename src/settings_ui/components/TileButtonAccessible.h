#pragma once

#include <QAccessibleWidget>

class TileButton;

// What screen readers and the desktop's accessibility bus see of a TileButton: the control
// it acts as (button, check box or radio button) with its selected flag as the checked
// state, its accessible name, and the press (and toggle) action that clicks it.
class TileButtonAccessible : public QAccessibleWidget
{
public:
    explicit TileButtonAccessible(TileButton *button);

    // Makes Qt ask us for every TileButton; once per process, later calls do nothing.
    static void install();

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    TileButton *button() const;
};

#pragma once

#include <QAccessibleWidget>

class TileButton;

// What screen readers and the desktop's accessibility bus see of a TileButton: the control
// it acts as (button, check box or radio button) with its selected flag as the checked
// state, its accessible name, and the press (and toggle) action that clicks it. It offers no
// keys for that action: Space and Return act on whatever has the focus, and keys offered here
// would be read out after every tile's name as though they were its shortcut.
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

private:
    TileButton *button() const;
};

#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class ValueComboBox;

// One entry of a ValueComboBox's list as screen readers see it: a list item named by its
// label, selected when it is the shown choice, whose press chooses it as Return on it does.
// It shows, and takes a press, only while the list is open. Made and owned by the drop-down's
// accessible interface (ValueComboBoxAccessible).
class ValueComboBoxEntryAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    ValueComboBoxEntryAccessible(ValueComboBox *picker, int row);

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QVector<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    bool isShown() const;

    QPointer<ValueComboBox> m_picker;
    int m_row;
};

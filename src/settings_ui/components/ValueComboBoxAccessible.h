#pragma once

#include <QAccessibleWidget>
#include <QList>

class ValueComboBox;

// What screen readers and the desktop's accessibility bus see of a ValueComboBox: a combo box
// named after its row (its accessible name), whose value and read-only text are the shown
// choice, with the press that opens and closes its list. Its entries are its children only
// while the list is open, each pressed by name to choose it; a closed drop-down has none, so
// a search by name never lands on an entry nobody sees.
//
// Qt's own interface names a combo box by its current text on Linux and keeps the list's
// entries among its children, "showing", while the list is closed.
class ValueComboBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ValueComboBoxAccessible(ValueComboBox *picker);
    ~ValueComboBoxAccessible() override;

    // Makes Qt ask us for every ValueComboBox; once per process, later calls do nothing.
    static void install();

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    // The shown choice as a read-only text, with no caret and no selection.
    void selection(int, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override;

private:
    ValueComboBox *picker() const;
    QString shownChoice() const;

    // One entry interface per row the list has had, registered with Qt, which names each on
    // the bus by its id; made when first asked for.
    mutable QList<QAccessible::Id> m_entries;
};

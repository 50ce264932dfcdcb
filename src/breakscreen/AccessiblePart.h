#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>

// One part of a widget that paints its parts itself (a half of a split button, a row of a
// painted menu, a painted title), shown to screen readers as an object of its own: a name
// (its visible label), a role, where it lies in the widget, and a press that does what a
// click on it does (a text has none). It has no children, and takes no press while its
// widget is hidden or disabled. A part the keyboard can move to says whether it is there
// now. Made and owned by its widget's accessible interface.
class AccessiblePart : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    struct Description
    {
        QString name;
        QAccessible::Role role = QAccessible::Button;
        // In the widget's coordinates.
        std::function<QRect()> rect;
        std::function<void()> press;
        // Whether the part now shows more (an open menu); none when it cannot.
        std::function<bool()> expanded;
        // Whether the keyboard is on the part now; none when it never can be.
        std::function<bool()> focused;
    };

    AccessiblePart(QWidget *owner, Description description);

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QVector<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override;
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return m_description.role; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<QWidget> m_owner;
    Description m_description;
};

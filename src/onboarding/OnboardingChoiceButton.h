#pragma once

#include "settings_ui/components/MotionCurve.h"

#include <QRadioButton>

class CurveAnimation;
class QPainter;

// The common ground of the flow's value tiles and mode rows: a button without platform
// chrome, painted by its subclass, that screen readers know as a radio button named by its
// text and checked while it shows the selection. Its owner decides what is selected: the
// user's choice only reports itself (chosen), and the owner calls setSelected(), whose
// change the look follows under the owner's spring. A choice is a click, Space (and Return or
// Enter, which the flow hands on as Space), or a screen reader's toggle of the radio button
// (which checks it without a click).
// It tracks the pointer for the hover fill and takes keyboard focus with a visible ring;
// the arrow keys move to the neighbouring choice and choose it, as in any group of radio
// buttons.
class OnboardingChoiceButton : public QRadioButton
{
    Q_OBJECT

public:
    explicit OnboardingChoiceButton(const QString &text, QWidget *parent = nullptr);

    bool isHovering() const { return m_hovering; }
    // Whether the focus ring is drawn now: focus the keyboard brought.
    bool showsFocusRing() const { return hasFocus() && m_keyboardFocus; }
    // 0 unselected, 1 selected; in between while the look changes.
    qreal selectedAmount() const { return m_selectedAmount; }
    void setSelected(bool selected, const MotionCurve &curve);
    // The whole control's opacity, for a selector shown dimmed.
    void setGroupOpacity(qreal opacity);

signals:
    void chosen();

protected:
    // Paints the face in `rect` with the painter's opacity already set.
    virtual void paintFace(QPainter &painter, bool dark) = 0;
    // The focus ring follows the face's rounded rectangle.
    virtual qreal cornerRadius() const = 0;

    void paintEvent(QPaintEvent *event) override;
    void nextCheckState() override {}
    bool hitButton(const QPoint &position) const override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

    // The unselected and selected value of a colour, mixed by the selected amount.
    QColor mixed(const QColor &unselected, const QColor &selected) const;

private:
    bool m_hovering = false;
    bool m_keyboardFocus = false;
    bool m_showingSelection = false;
    qreal m_selectedAmount = 0;
    qreal m_groupOpacity = 1;
    CurveAnimation *m_selection;
};

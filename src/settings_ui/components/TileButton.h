#pragma once

#include <QAbstractButton>

class CurveAnimation;
class QPainterPath;

// The base of every card, tile and row button of the settings window: a button that its
// subclass paints in full, with a hover flag and a selected flag, each eased in and out so
// the subclass can blend between its looks (hoverProgress(), selectionProgress(), 0 to 1).
// It takes keyboard focus, shows a focus ring only for focus the keyboard brought, and
// Space (or Return, ReturnPressesButtons) presses it as a click does. Selection is its
// owner's: a click only reports (clicked), and the owner answers with setSelected.
//
// To a screen reader it is what it acts as (a button, a check box or a radio button, with
// the selected flag as its checked state) under its accessible name, which subclasses set to
// the visible caption.
class TileButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(bool selected READ isSelected WRITE setSelected NOTIFY selectedChanged)

public:
    enum class Role { button, checkBox, radioButton };

    explicit TileButton(Role role = Role::button, QWidget *parent = nullptr);

    Role role() const { return m_role; }
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);
    bool isHovered() const { return m_hovered; }
    qreal hoverProgress() const { return m_hoverProgress; }
    qreal selectionProgress() const { return m_selectionProgress; }
    // Whether the focus ring is to be drawn now.
    bool showsFocusRing() const { return hasFocus() && m_keyboardFocus; }

    // How long hover and selection changes take to ease in (seconds).
    void setHoverSeconds(double seconds);
    void setSelectionSeconds(double seconds);

signals:
    void selectedChanged(bool selected);

protected:
    // Draws the focus ring along the inside of `shape` when showsFocusRing(), in the colour
    // that stands out from `ground`, what the ring lies on (SettingsPalette::focusRing); a
    // control whose selection draws an accent outline passes a shape inside that outline.
    void paintFocusRing(QPainter &painter, const QPainterPath &shape, const QColor &ground = QColor()) const;

    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void setHovered(bool hovered);
    void animate(CurveAnimation *animation, qreal from, qreal to);

    Role m_role;
    bool m_selected = false;
    bool m_hovered = false;
    bool m_keyboardFocus = false;
    qreal m_hoverProgress = 0;
    qreal m_selectionProgress = 0;
    CurveAnimation *m_hoverAnimation;
    CurveAnimation *m_selectionAnimation;
};

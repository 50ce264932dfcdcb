#pragma once

#include <QAbstractButton>

// The two buttons of the flow's navigation bar, painted without platform chrome on a
// capsule: "Back", grey text on a faint fill, and the green "Next" / "Start Lumenpause"
// with white text (and an arrow on the last step). Screen readers know each as a button
// named by its title. They take keyboard focus and answer Space and Return. The focus ring
// runs around the capsule, a pixel off it, on the flow's own ground: on the green capsule it
// would not show. The widget keeps ringRoom around the capsule for it. It shows for a focus
// the keyboard brought, and from a key that presses the button, whatever brought the focus.
class OnboardingNavigationButton : public QAbstractButton
{
    Q_OBJECT

public:
    static constexpr int ringRoom = 4;

    enum class Kind { back, next };

    OnboardingNavigationButton(Kind kind, const QString &title, QWidget *parent = nullptr);

    // The arrow after the title, on the last step.
    void setShowsArrow(bool shows);
    bool showsArrow() const { return m_showsArrow; }
    // The whole button's opacity: "Back" is invisible on the first step but keeps its place.
    // At 0 the button is hidden.
    qreal opacity() const { return m_opacity; }
    void setOpacity(qreal opacity);
    // Whether the focus ring is drawn now: focus the keyboard brought.
    bool showsFocusRing() const { return hasFocus() && m_keyboardFocus; }
    // Where the capsule lies in the widget.
    QRectF capsule() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Fills the capsule and says which colour the label takes on it.
    QColor paintCapsule(QPainter &painter, bool dark) const;
    void paintLabel(QPainter &painter, const QColor &colour) const;
    QFont titleFont() const;
    qreal labelWidth() const;

    Kind m_kind;
    bool m_showsArrow = false;
    qreal m_opacity = 1;
    bool m_keyboardFocus = false;
};

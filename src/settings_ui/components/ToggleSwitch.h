#pragma once

#include <QAbstractButton>
#include <QColor>

class CurveAnimation;

// The on/off switch of the settings window and the first-run flow, painted by us: a capsule
// track, filled with its tint when on, and a white knob that slides across. It has no
// visible label; give it an accessible name (the row's title), under which screen readers
// announce it as a check box with its checked state. It takes keyboard focus, shows a focus
// ring only when reached by keyboard, and Space (or Return, ReturnPressesButtons) toggles it,
// as a click does. Act on toggled: a screen reader's toggle action turns it without a click.
// Code that only shows a setting sets it under a QSignalBlocker.
class ToggleSwitch : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QColor tint READ tint WRITE setTint)

public:
    // The control sizes panes use: small in rows, mini in dense lists.
    enum class Size { small, mini };

    explicit ToggleSwitch(QWidget *parent = nullptr);
    ToggleSwitch(Size size, const QColor &tint, QWidget *parent = nullptr);

    Size controlSize() const { return m_size; }
    void setControlSize(Size size);
    QColor tint() const { return m_tint; }
    void setTint(const QColor &tint);

    // Where the knob stands: 0 at the left (off), 1 at the right (on).
    qreal knobPosition() const { return m_knobPosition; }

    // The track's size in pixels; the widget adds room for the focus ring around it.
    static QSize trackSize(Size size);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool hitButton(const QPoint &position) const override;
    void checkStateSet() override;
    void nextCheckState() override;

private:
    QRectF trackRect() const;
    void slideKnob(bool checked);

    Size m_size = Size::small;
    QColor m_tint;
    // 0 with the knob at the left (off), 1 at the right (on).
    qreal m_knobPosition = 0;
    CurveAnimation *m_slide;
    bool m_keyboardFocus = false;
};

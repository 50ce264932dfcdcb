#pragma once

#include <QAbstractButton>
#include <QColor>

// The Resume button under "Break complete": a play symbol and "Resume" in white on a solid
// green capsule. Only the capsule takes clicks. Return, Enter or Space press it while the
// keyboard is on it; its focus ring lies outside it and is drawn by the panel beneath.
class BreakResumeButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit BreakResumeButton(const QColor &fill, QWidget *parent = nullptr);

    void setFill(const QColor &fill);
    void setOpacity(qreal opacity);

    QSize sizeHint() const override;

signals:
    // The keyboard came to the button or left it: the panel redraws its ring.
    void focusChanged(bool hasFocus);

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QColor m_fill;
    qreal m_opacity = 1.0;
};

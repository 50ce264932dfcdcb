#pragma once

#include <QAbstractButton>
#include <QColor>

// The Resume button under "Break complete": a play symbol and "Resume" in white on a green
// capsule. Only the capsule takes clicks. Return, Enter or Space press it while the keyboard
// is on it; its focus ring lies outside it and is drawn by the panel beneath.
class BreakResumeButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit BreakResumeButton(const QColor &green, QWidget *parent = nullptr);

    void setGreen(const QColor &green);
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
    QColor m_green;
    qreal m_opacity = 1.0;
};

#pragma once

#include <QAbstractButton>
#include <QColor>

// The Resume button under "Break complete": a play symbol and "Resume" in white on a green
// capsule. Only the capsule takes clicks.
class BreakResumeButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit BreakResumeButton(const QColor &green, QWidget *parent = nullptr);

    void setGreen(const QColor &green);
    void setOpacity(qreal opacity);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QColor m_green;
    qreal m_opacity = 1.0;
};

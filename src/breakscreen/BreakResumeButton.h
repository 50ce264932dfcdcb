#pragma once

#include <QAbstractButton>
#include <QColor>

// The Resume button under "Break complete": a play symbol and "Resume" in white on a solid
// green capsule. Only the capsule takes clicks.
class BreakResumeButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit BreakResumeButton(const QColor &fill, QWidget *parent = nullptr);

    void setFill(const QColor &fill);
    void setOpacity(qreal opacity);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QColor m_fill;
    qreal m_opacity = 1.0;
};

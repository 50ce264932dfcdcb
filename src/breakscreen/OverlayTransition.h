#pragma once

#include <QEasingCurve>
#include <QObject>
#include <QVariantAnimation>

class QWidget;

// A section of the break overlay coming in or going out: a value from 0 (gone) to 1 (shown)
// that eases over a fixed time while the overlay is on screen. Off screen the value jumps
// straight to its end, as there is nobody to watch the motion (and a picture rendered
// without showing the overlay must show the finished state).
class OverlayTransition : public QObject
{
    Q_OBJECT

public:
    OverlayTransition(int durationMs, QEasingCurve::Type easing, bool shown, QWidget *owner);

    bool isShown() const { return m_shown; }
    qreal value() const { return m_value; }
    // Starts towards the new end from wherever the value stands now.
    void setShown(bool shown);
    // The same, in the given time and easing for this change only.
    void setShown(bool shown, int durationMs, QEasingCurve::Type easing);

signals:
    void valueChanged(qreal value);

private:
    void setValue(qreal value);

    QWidget *m_owner;
    QVariantAnimation m_animation;
    int m_durationMs;
    QEasingCurve::Type m_easing;
    bool m_shown;
    qreal m_value;
};

#pragma once

#include "menubar/HUDLayoutMetrics.h"

#include <QWidget>

class QLabel;

// The ring at the right of a break countdown: a faint full circle, an arc over it that
// drains as the break comes closer, and the seconds left in its middle. It repaints only
// when the arc or the figure changes by something one can see, because the countdown asks
// four times a second while the figure moves once a second.
class HUDCountdownRing : public QWidget
{
    Q_OBJECT

public:
    HUDCountdownRing(const HUDLayoutMetrics &metrics, const QColor &figureColour, int seconds,
                     double fraction, QWidget *parent = nullptr);

    // The widget is wider than the ring by this much on every side, so the ring's stroke,
    // centred on its edge, is not cut off.
    static int strokeMargin(const HUDLayoutMetrics &metrics);

    void setSeconds(int seconds);
    // The share of the ring drawn, from 0 to 1, counted from the bottom.
    void setFraction(double fraction);

    double fraction() const { return m_fraction; }
    QLabel *figureLabel() const { return m_figure; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The arc's length in quarter pixels: the finest step antialiasing shows.
    int visibleStep(double fraction) const;

    HUDLayoutMetrics m_metrics;
    QLabel *m_figure;
    double m_fraction = 0;
};

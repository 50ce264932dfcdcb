#pragma once

#include "breakscreen/BreakOverlayPalette.h"
#include "breakscreen/BreakScreenChoices.h"

#include <QMargins>
#include <QWidget>

class BreakOverlayText;

// The remaining time in the break screen's chosen style: large digits ("timer"), digits in
// a ring that fills clockwise from the top ("ring"), digits over a thin bar that fills from
// the left ("bar"), or nothing at all ("hidden"). It changes once a second and repaints
// itself alone. The widget reaches past its content by the digits' shadow: place it with
// setContentGeometry. Screen readers read it as a label of the time left in words, changed
// when the seconds shown change and at no other time.
class BreakCountdownView : public QWidget
{
    Q_OBJECT

public:
    static constexpr qreal ringSide = 80;
    static constexpr qreal ringLineWidth = 2.5;
    static constexpr qreal barWidth = 220;
    static constexpr qreal barHeight = 3;

    BreakCountdownView(BreakCountdown style, const BreakOverlayPalette &palette,
                       QWidget *parent = nullptr);

    // "mm:ss" with the minutes uncapped: an hour reads 60:00.
    static QString formatted(qint64 seconds);
    // The time left as words, as screen readers read it: "4 minutes 30 seconds left",
    // "1 minute left", "20 seconds left".
    static QString spoken(qint64 seconds);

    void setCountdownStyle(BreakCountdown style);
    void setPalette(const BreakOverlayPalette &palette);
    // The seconds shown and how much of the ring or bar is filled (0 to 1).
    void setCountdown(qint64 seconds, double progressFraction);
    void setOpacity(qreal opacity);
    qreal opacity() const { return m_opacity; }

    BreakCountdown countdownStyle() const { return m_style; }
    QString text() const;
    double progressFraction() const { return m_fraction; }
    // The content's own size; empty for "hidden".
    QSize contentSize() const;
    void setContentGeometry(const QRect &contentRect);
    // In the parent's coordinates.
    QRect contentGeometry() const { return m_contentRect; }
    // The digits' colour, which the ring's arc and the bar's fill share.
    QColor fillColour() const;
    // The type the digits of the current style are set in.
    QFont digitsFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void applyStyle();
    QMargins contentMargins() const;
    void paintRing(QPainter &painter, const QRectF &content) const;
    void paintBar(QPainter &painter, const QRectF &content) const;

    BreakCountdown m_style;
    BreakOverlayPalette m_palette;
    qint64 m_seconds = 0;
    double m_fraction = 0;
    qreal m_opacity = 1.0;
    // The digits of the timer style, with their shadow.
    BreakOverlayText *m_timerText;
    QRect m_contentRect;
};

#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QWidget>

class BreakActionButton;
class OverlayTransition;
class SnoozeButton;

// The break overlay's row of ways out, centred, in this order: "Skip Break", the snooze
// pill, "End Break". Each shows when the overlay allows it. "End Break" grows in from 95 %
// with a fade when the break enters its final fifth, and the others slide aside as it does.
// The row draws the pills' shadows beneath them, and the focus ring around the one the
// keyboard is on. Tab and Shift+Tab go through the pills left to right, both halves of the
// snooze pill included. Its widget spans the column and reaches above the pills for the
// snooze menu and below them for the shadows: place it with setControlsGeometry.
class BreakActionRow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int spacing = 10;

    explicit BreakActionRow(const QColor &foreground, QWidget *parent = nullptr);

    BreakActionButton *skipButton() const { return m_skip; }
    SnoozeButton *snoozeButton() const { return m_snooze; }
    BreakActionButton *endBreakButton() const { return m_endBreak; }

    void setColours(const QColor &foreground, const QColor &material);
    void setFocusRingColour(const QColor &colour);
    void setSkipVisible(bool visible);
    void setSnoozeVisible(bool visible);
    // Eases "End Break" in or out.
    void setEndBreakVisible(bool visible);
    // The row's own fade as it comes and goes.
    void setOpacity(qreal opacity);

    // The height of the pills.
    int controlsHeight() const;
    // Puts the pills' band (as wide as the column) at `band`.
    void setControlsGeometry(const QRect &band);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Slot
    {
        QWidget *widget;
        QSize capsule;
        qreal presence; // 0 to 1: its share of the row's width
    };

    QList<Slot> presentSlots() const;
    void layoutControls();
    void applyOpacity();
    QRectF capsuleInRow(QWidget *control) const;
    qreal shadowOpacityOf(QWidget *control) const;
    QRect shadowRect(QWidget *control) const;
    void paintFocusRing(QPainter &painter, QWidget *control) const;
    const QImage &shadowFor(const QSize &capsule);

    BreakActionButton *m_skip;
    SnoozeButton *m_snooze;
    BreakActionButton *m_endBreak;
    OverlayTransition *m_endBreakShown;
    qreal m_opacity = 1.0;
    QColor m_focusRing;
    QRect m_band;
    QHash<quint64, QImage> m_shadows; // by capsule size and pixel ratio
};

#pragma once

#include "settings_ui/components/NamedColors.h"

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QWidget>

class CurveAnimation;

// One marker on the timeline: where it sits as a share of the drawing's width, the clock
// time and caption above its dot, their colour, and whether the dot carries a checkmark.
struct TimelineNode
{
    qreal fraction;
    QString time;
    QString label;
    NamedColor color;
    bool isCheckmark;
};

// The small drawing in the after-call card: a fixed example morning in which the timer
// starts, a 32-minute call comes and goes, and the next break follows, 3 minutes after the
// call for "resume" and 8 minutes after it for anything else (the recovery buffer). Only the
// behaviour string is the user's; every time and position is the illustration's own.
//
// The widget spans its card's whole width and draws in the width inside the card's 16-pixel
// padding, so the first marker's texts may reach into that padding instead of being cut.
// A change of behaviour moves the last marker and the end of the dashed connector over a
// quarter second; nothing else moves, and nothing runs once the move is done or while the
// widget is hidden.
class MeetingTimelineView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int fixedHeight = 90;
    static constexpr qreal inset = 16;
    static constexpr qreal lineY = 44;
    static constexpr double moveSeconds = 0.25;

    // Everything drawn, in the drawing's own coordinates (x from 0 to its width).
    struct Geometry
    {
        QRectF track;
        QRectF meeting;
        QLineF connector;
        QList<QPointF> nodeCentres;
        QPointF pillCentre;
    };

    explicit MeetingTimelineView(const QString &afterMeeting, QWidget *parent = nullptr);

    QString afterMeeting() const { return m_afterMeeting; }
    void setAfterMeeting(const QString &afterMeeting);

    // The four markers for a behaviour, in order.
    static QList<TimelineNode> nodes(const QString &afterMeeting);
    static qreal nextBreakFraction(const QString &afterMeeting);
    // The layout at a drawing width, with the last marker where it stands now.
    Geometry geometry(qreal drawingWidth) const;
    qreal drawingWidth() const;
    bool isMoving() const;

    QSize sizeHint() const override { return {320, fixedHeight}; }
    QSize minimumSizeHint() const override { return {0, fixedHeight}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void paintLine(QPainter &painter, const Geometry &layout) const;
    void paintNode(QPainter &painter, const TimelineNode &node, QPointF centre) const;
    void paintPill(QPainter &painter, QPointF centre) const;
    void describe();

    QString m_afterMeeting;
    qreal m_nextBreakFraction;
    CurveAnimation *m_move;
};

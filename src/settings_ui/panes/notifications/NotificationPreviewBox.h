#pragma once

#include "core/AppTheme.h"
#include "settings_ui/components/CachedShadow.h"

#include <QList>
#include <QRectF>
#include <QWidget>

class CurveAnimation;
class QPainter;

// The Notifications pane's drawing of a notice: a sample of the chosen type as the floating
// notice would show it, in the chosen size, with or without its countdown ring, on a small
// mock desktop. Deep desktop colours under a pale notice in the light scheme, pale ones
// under a dark notice in the dark scheme, so the notice stands out in both.
//
// One painted widget. A change of type, size, countdown or lead time eases from the old
// drawing to the new over a fifth or a quarter of a second; nothing runs once it has
// landed, or while the widget is hidden.
class NotificationPreviewBox : public QWidget
{
    Q_OBJECT

public:
    static constexpr int desktopHeight = 120;
    static constexpr qreal desktopRadius = 12;

    struct Look
    {
        QString type;     // "break", "typing", "posture", "blink"
        QString hudStyle; // "compact", "large"; anything else is the standard size
        bool showCountdown = true;
        int leadTime = 30; // the effective heads-up lead time, in seconds
        bool operator==(const Look &other) const = default;
    };

    // The notice's measurements for one size.
    struct Metrics
    {
        qreal spacing, paddingH, paddingV, maxWidth, cornerRadius;
        qreal tileSide, tileRadius, symbolSize, textSpacing, titleSize, subtitleSize;
        qreal ringDiameter, ringLineWidth, numberSize;
        bool showsSubtitle;

        static Metrics forStyle(const QString &hudStyle);
        static Metrics blend(const Metrics &from, const Metrics &to, qreal share);
    };

    explicit NotificationPreviewBox(const Look &look, QWidget *parent = nullptr);

    const Look &look() const { return m_to; }
    void setLook(const Look &look);
    bool isChanging() const;
    // Whether the look shows the countdown ring: with the countdown on, for "break" alone.
    static bool showsRing(const Look &look);

    // The notice's body as drawn now, in the widget's coordinates.
    QRectF hudRect() const;
    // The desktop's three gradient colours and the notice's top and bottom colours.
    static QList<QColor> desktopColours(ColorScheme scheme);
    static QList<QColor> hudColours(ColorScheme scheme);

    QSize sizeHint() const override { return {420, desktopHeight}; }
    QSize minimumSizeHint() const override { return {120, desktopHeight}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    struct Frame;

    qreal bodyHeight(const Look &look, const Metrics &metrics) const;
    Frame frameNow() const;
    void paintDesktop(QPainter &painter, ColorScheme scheme) const;
    void paintBody(QPainter &painter, const Frame &frame, ColorScheme scheme);
    void paintContent(QPainter &painter, const Frame &frame, const Look &look, qreal opacity,
                      ColorScheme scheme) const;
    void paintTile(QPainter &painter, const QRectF &tile, const Look &look, const Metrics &metrics) const;
    void paintRing(QPainter &painter, const Frame &frame, ColorScheme scheme) const;
    void describe();

    Look m_from;
    Look m_to;
    qreal m_progress = 1;
    CurveAnimation *m_change;
    CachedShadow m_shadow;
};

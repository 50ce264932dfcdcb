#pragma once

#include "menubar/HUDLayoutMetrics.h"
#include "menubar/HUDPalette.h"
#include "menubar/HUDStyle.h"

#include <QPixmap>
#include <QWidget>

class HUDCountdownRing;
class QLabel;

// What one notice shows, with the settings read for it at the moment it is presented.
struct HUDContent
{
    HUDStyle style = HUDStyle::posture;
    QString title;
    QString subtitle;
    int secondsLeft = 0;
    HUDSize size = HUDSize::standard;
    bool isDark = false;
    bool showCountdown = true;
    qint64 headsUpSeconds = 30; // what a full ring stands for when the notice appears
};

// Everything inside the notice's window: the rounded body with its gradient, border and
// shadow, the badge, one line (compact) or a title and a subtitle, and for break countdowns
// the ring. The body sits in the middle with a margin around it for the shadow. Texts are
// shown as plain text, never as markup.
class HUDContentView : public QWidget
{
    Q_OBJECT

public:
    explicit HUDContentView(const HUDContent &content, QWidget *parent = nullptr);

    // Only break reminders count down, and only when the setting asks and time is left.
    static bool showsRing(const HUDContent &content);

    const HUDLayoutMetrics &metrics() const { return m_metrics; }
    const HUDPalette &hudPalette() const { return m_palette; }
    // The body's rounded outline in this widget: the visible shape where the window system
    // cannot show translucent windows.
    QRegion bodyRegion() const;
    // Without translucency the shadow would darken an opaque frame around the body.
    void setShadowVisible(bool visible);

    // Null where the layout has no such element.
    QLabel *titleLabel() const { return m_title; }
    QLabel *subtitleLabel() const { return m_subtitle; }
    QLabel *compactLabel() const { return m_compact; }
    HUDCountdownRing *ring() const { return m_ring; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildText(const HUDContent &content, bool withRing);
    void buildRing(const HUDContent &content);
    QLabel *addLabel(const QString &text, double pixelSize, QFont::Weight weight,
                     const QColor &colour, const QRectF &bodyFrame);
    QPixmap renderBackground() const;
    void paintBody(QPainter &painter) const;
    void paintBadge(QPainter &painter) const;
    void paintApplicationIcon(QPainter &painter, const QRectF &frame) const;

    HUDStyle m_style;
    HUDLayoutMetrics m_metrics;
    HUDPalette m_palette;
    bool m_shadowVisible = true;
    QPixmap m_background; // body, badge and shadow never change: drawn once
    QLabel *m_title = nullptr;
    QLabel *m_subtitle = nullptr;
    QLabel *m_compact = nullptr;
    HUDCountdownRing *m_ring = nullptr;
};

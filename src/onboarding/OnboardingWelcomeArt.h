#pragma once

#include "settings_ui/components/CachedShadow.h"

#include <QImage>
#include <QWidget>

// The picture at the top of the welcome page: two soft clouds and five small leaves around
// the application's icon, which grows into place with a bounce when the flow opens. The
// layout's group is 140 pixels high; the widget is taller by the icon shadow's reach, so the
// shadow is not cut off.
class OnboardingWelcomeArt : public QWidget
{
    Q_OBJECT

public:
    static constexpr int groupHeight = 140;
    static constexpr int shadowRoom = 20; // above and below the group
    static constexpr qreal iconSide = 90;

    explicit OnboardingWelcomeArt(QWidget *parent = nullptr);

    // 0.8 before the bounce, 1.0 after; the spring passes beyond on the way.
    qreal iconScale() const { return m_iconScale; }
    void setIconScale(qreal scale);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintCloud(QPainter &painter, QPointF centre, qreal scale, bool dark);
    void paintLeaves(QPainter &painter, QPointF centre);
    void paintIcon(QPainter &painter, QPointF centre);

    qreal m_iconScale = 0.8;
    QImage m_icon;
    CachedShadow m_iconShadow;
    CachedShadow m_cloudShadows[3];
};

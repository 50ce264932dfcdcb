#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

// How the flow fades its live content without rendering it off screen each frame: a layer
// above the content that paints the flow's own backdrop over it, at one minus the content's
// opacity, and over the page area at one minus the page's opacity too. The backdrop showing
// through at a share is the content drawn at the rest of it. Clicks pass through to the
// content; at full opacity the layer hides.
class OnboardingVeil : public QWidget
{
    Q_OBJECT

public:
    // `backdrop` gives the backdrop image of the whole flow at a pixel ratio, as drawn
    // behind the content.
    OnboardingVeil(std::function<const QImage &(qreal)> backdrop, QWidget *parent);

    void setContentOpacity(qreal opacity);
    void setPageOpacity(qreal opacity, const QRect &pageArea);
    qreal contentOpacity() const { return m_contentOpacity; }
    qreal pageOpacity() const { return m_pageOpacity; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void refresh();

    std::function<const QImage &(qreal)> m_backdrop;
    qreal m_contentOpacity = 1;
    qreal m_pageOpacity = 1;
    QRect m_pageArea;
};

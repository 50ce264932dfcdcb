#pragma once

#include "settings_ui/components/MotionCurve.h"

#include <QPixmap>
#include <QWidget>

class CurveAnimation;

// A picture of what a part of a window showed a moment ago, laid over what replaced it and
// faded out: the cheap way to cross-fade live widgets, which repaint as they are, rather than
// rendering them off screen on every frame. Mouse events pass through to the new content.
// It deletes itself when the fade ends, when finish() is called, or when its host hides.
class FadingSnapshot : public QWidget
{
    Q_OBJECT

public:
    // Grabs `source` as it is now and fades the picture out over `host` at the source's
    // place. Null when the source has nothing on screen to take (hidden or empty).
    static FadingSnapshot *fadeOut(QWidget *source, QWidget *host, const MotionCurve &curve);
    // The same with a picture taken earlier, shown at `geometry` in the host's coordinates.
    static FadingSnapshot *fadeOut(const QPixmap &picture, const QRect &geometry, QWidget *host,
                                   const MotionCurve &curve);

    qreal opacity() const { return m_opacity; }
    // Ends the fade now.
    void finish();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FadingSnapshot(const QPixmap &picture, const QRect &geometry, QWidget *host,
                   const MotionCurve &curve);

    QPixmap m_picture;
    qreal m_opacity = 1;
    CurveAnimation *m_fade;
};

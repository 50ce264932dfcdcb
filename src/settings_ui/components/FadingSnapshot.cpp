#include "settings_ui/components/FadingSnapshot.h"

#include "settings_ui/components/CurveAnimation.h"
#include "settings_ui/components/Motion.h"

#include <QEvent>
#include <QPainter>

FadingSnapshot *FadingSnapshot::fadeOut(QWidget *source, QWidget *host, const MotionCurve &curve)
{
    if (!source->isVisible() || source->size().isEmpty())
        return nullptr;
    const QRect geometry(source->mapTo(host, QPoint(0, 0)), source->size());
    return fadeOut(source->grab(), geometry, host, curve);
}

FadingSnapshot *FadingSnapshot::fadeOut(const QPixmap &picture, const QRect &geometry,
                                        QWidget *host, const MotionCurve &curve)
{
    if (picture.isNull())
        return nullptr;
    return new FadingSnapshot(picture, geometry, host, curve);
}

FadingSnapshot::FadingSnapshot(const QPixmap &picture, const QRect &geometry, QWidget *host,
                               const MotionCurve &curve)
    : QWidget(host)
    , m_picture(picture)
    , m_fade(new CurveAnimation(curve, this))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(geometry);
    show();
    raise();
    host->installEventFilter(this);
    m_fade->setStartValue(1.0);
    m_fade->setEndValue(0.0);
    connect(m_fade, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_opacity = value.toDouble();
        update();
    });
    connect(m_fade, &QAbstractAnimation::finished, this, &FadingSnapshot::finish);
    Motion::start(m_fade);
}

void FadingSnapshot::finish()
{
    m_fade->stop();
    hide();
    deleteLater();
}

bool FadingSnapshot::eventFilter(QObject *watched, QEvent *event)
{
    // A hidden window shows nothing to fade; nothing of it keeps running.
    if (event->type() == QEvent::Hide && watched == parent())
        finish();
    return QWidget::eventFilter(watched, event);
}

void FadingSnapshot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setOpacity(m_opacity);
    painter.drawPixmap(rect(), m_picture);
}

#include "settings_ui/components/CurveAnimation.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <algorithm>

namespace {

qreal mix(qreal from, qreal to, qreal share)
{
    return from + (to - from) * share;
}

QColor mixColour(const QColor &from, const QColor &to, qreal share)
{
    const auto channel = [share](float a, float b) {
        return std::clamp(float(mix(a, b, share)), 0.0f, 1.0f);
    };
    const QColor start = from.toRgb();
    const QColor end = to.toRgb();
    return QColor::fromRgbF(channel(start.redF(), end.redF()), channel(start.greenF(), end.greenF()),
                            channel(start.blueF(), end.blueF()),
                            channel(start.alphaF(), end.alphaF()));
}

} // namespace

CurveAnimation::CurveAnimation(const MotionCurve &curve, QObject *parent)
    : QVariantAnimation(parent)
    , m_curve(curve)
{
    setDuration(curve.durationMs());
}

void CurveAnimation::setCurve(const MotionCurve &curve)
{
    m_curve = curve;
    setDuration(curve.durationMs());
}

QVariant CurveAnimation::interpolated(const QVariant &from, const QVariant &to, qreal progress) const
{
    const qreal share = m_curve.valueAt(progress);
    switch (from.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return mix(from.toDouble(), to.toDouble(), share);
    case QMetaType::Int:
        return int(std::lround(mix(from.toInt(), to.toInt(), share)));
    case QMetaType::QPointF: {
        const QPointF a = from.toPointF(), b = to.toPointF();
        return QPointF(mix(a.x(), b.x(), share), mix(a.y(), b.y(), share));
    }
    case QMetaType::QSizeF: {
        const QSizeF a = from.toSizeF(), b = to.toSizeF();
        return QSizeF(mix(a.width(), b.width(), share), mix(a.height(), b.height(), share));
    }
    case QMetaType::QRectF: {
        const QRectF a = from.toRectF(), b = to.toRectF();
        return QRectF(mix(a.x(), b.x(), share), mix(a.y(), b.y(), share),
                      mix(a.width(), b.width(), share), mix(a.height(), b.height(), share));
    }
    case QMetaType::QColor:
        return mixColour(from.value<QColor>(), to.value<QColor>(), share);
    default:
        return QVariantAnimation::interpolated(from, to, std::clamp(share, 0.0, 1.0));
    }
}

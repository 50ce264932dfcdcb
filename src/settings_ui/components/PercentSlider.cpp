#include "settings_ui/components/PercentSlider.h"

#include "core/AccessibleFactory.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/WheelToPane.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QPainter>
#include <QStyleOptionSlider>
#include <QSignalBlocker>

#include <algorithm>

namespace {

// The ring lies this far outside the knob, clear of the groove's own edge.
constexpr qreal ringGap = 2;
constexpr qreal ringWidth = 2;

class PercentSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit PercentSliderAccessible(PercentSlider *slider)
        : QAccessibleWidget(slider, QAccessible::Slider)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return QString::number(slider()->shownPercent()) + QStringLiteral(" percent");
        return QAccessibleWidget::text(kind);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return slider()->shownPercent(); }
    void setCurrentValue(const QVariant &value) override
    {
        slider()->setValue(slider()->positionForPercent(value.toDouble()));
    }
    QVariant maximumValue() const override { return slider()->percentRange().highest; }
    QVariant minimumValue() const override { return slider()->percentRange().lowest; }
    QVariant minimumStepSize() const override { return slider()->percentRange().step; }

private:
    PercentSlider *slider() const { return static_cast<PercentSlider *>(widget()); }
};

} // namespace

PercentSlider::PercentSlider(const QString &accessibleName, Range range, QWidget *parent)
    : QSlider(Qt::Horizontal, parent)
    , m_range(range)
    , m_shownPercent(range.lowest)
{
    // Answers for every subclass before the stock slider's interface would.
    installAccessibleFactory<PercentSlider, PercentSliderAccessible>();
    setSingleStep(1);
    setPageStep(2);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(accessibleName);
    WheelToPane::install(this);
}

void PercentSlider::showPercent(qint64 percent, int position)
{
    const QSignalBlocker block(this);
    m_shownPercent = percent;
    setValue(position);
    QAccessibleValueChangeEvent event(this, QVariant::fromValue(percent));
    QAccessible::updateAccessibility(&event);
}

// Room above and below the knob for its focus ring.
QSize PercentSlider::sizeHint() const
{
    return QSlider::sizeHint() + QSize(0, int(2 * (ringGap + ringWidth)));
}

QSize PercentSlider::minimumSizeHint() const
{
    return QSlider::minimumSizeHint() + QSize(0, int(2 * (ringGap + ringWidth)));
}

void PercentSlider::focusInEvent(QFocusEvent *event)
{
    // Only a focus the keyboard brought shows the ring; a click focuses without it.
    const Qt::FocusReason reason = event->reason();
    m_keyboardFocus = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
                      || reason == Qt::ShortcutFocusReason;
    QSlider::focusInEvent(event);
}

void PercentSlider::focusOutEvent(QFocusEvent *event)
{
    m_keyboardFocus = false;
    QSlider::focusOutEvent(event);
}

void PercentSlider::paintEvent(QPaintEvent *event)
{
    QSlider::paintEvent(event);
    if (!hasFocus() || !m_keyboardFocus)
        return;
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRectF knob = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const QRectF ring = knob.adjusted(-ringGap, -ringGap, ringGap, ringGap);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(SettingsPalette::focusRing(SettingsPalette::schemeOf(this)), ringWidth));
    const qreal radius = std::min(ring.width(), ring.height()) / 2;
    painter.drawRoundedRect(ring, radius, radius);
}

#include "settings_ui/BatteryThresholdSlider.h"

#include "settings_ui/WheelToPane.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace {

// The slider as a screen reader hears it: the threshold in percent, settable in percent.
class ThresholdAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit ThresholdAccessible(BatteryThresholdSlider *slider)
        : QAccessibleWidget(slider, QAccessible::Slider)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return QString::number(slider()->threshold()) + QStringLiteral(" percent");
        return QAccessibleWidget::text(kind);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return slider()->threshold(); }
    void setCurrentValue(const QVariant &value) override
    {
        slider()->setValue(BatteryThresholdSlider::positionFor(value.toLongLong()));
    }
    QVariant maximumValue() const override { return BatteryThresholdSlider::highest; }
    QVariant minimumValue() const override { return BatteryThresholdSlider::lowest; }
    QVariant minimumStepSize() const override { return BatteryThresholdSlider::step; }

private:
    BatteryThresholdSlider *slider() const { return static_cast<BatteryThresholdSlider *>(widget()); }
};

QAccessibleInterface *thresholdFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String(BatteryThresholdSlider::staticMetaObject.className()))
        return nullptr;
    auto *slider = qobject_cast<BatteryThresholdSlider *>(object);
    return slider ? new ThresholdAccessible(slider) : nullptr;
}

} // namespace

BatteryThresholdSlider::BatteryThresholdSlider(QWidget *parent)
    : QSlider(Qt::Horizontal, parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(&thresholdFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setRange(positionFor(lowest), positionFor(highest));
    setSingleStep(1);
    setPageStep(2);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Battery threshold"));
    WheelToPane::install(this);
    // Dragging, a click on the groove and the keys all come through valueChanged; a value
    // shown under the blocker does not.
    connect(this, &QSlider::valueChanged, this, [this](int position) {
        m_threshold = percentAt(position);
        emit thresholdChosen(m_threshold);
    });
}

int BatteryThresholdSlider::positionFor(qint64 percent)
{
    const qint64 nearest = (std::clamp<qint64>(percent, lowest, highest) + step / 2) / step;
    return int(nearest);
}

int BatteryThresholdSlider::percentAt(int position)
{
    return position * step;
}

void BatteryThresholdSlider::showThreshold(qint64 percent)
{
    const QSignalBlocker block(this);
    m_threshold = percent;
    setValue(positionFor(percent));
    QAccessibleValueChangeEvent event(this, QVariant::fromValue(percent));
    QAccessible::updateAccessibility(&event);
}

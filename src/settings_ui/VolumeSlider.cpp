#include "settings_ui/VolumeSlider.h"

#include "settings_ui/WheelToPane.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace {

// The slider as a screen reader hears it: its value in percent, settable in percent.
class VolumeSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit VolumeSliderAccessible(VolumeSlider *slider)
        : QAccessibleWidget(slider, QAccessible::Slider)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return QString::number(slider()->percent()) + QStringLiteral(" percent");
        return QAccessibleWidget::text(kind);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return slider()->percent(); }
    void setCurrentValue(const QVariant &value) override
    {
        slider()->setValue(VolumeSlider::positionFor(value.toDouble() / 100));
    }
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 100 / VolumeSlider::lastPosition; }

private:
    VolumeSlider *slider() const { return static_cast<VolumeSlider *>(widget()); }
};

QAccessibleInterface *volumeSliderFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String(VolumeSlider::staticMetaObject.className()))
        return nullptr;
    auto *slider = qobject_cast<VolumeSlider *>(object);
    return slider ? new VolumeSliderAccessible(slider) : nullptr;
}

} // namespace

VolumeSlider::VolumeSlider(QWidget *parent)
    : QSlider(Qt::Horizontal, parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(&volumeSliderFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setRange(0, lastPosition);
    setSingleStep(1);
    setPageStep(2);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Lumenpause notification volume"));
    WheelToPane::install(this);
    // Dragging, a click on the groove and the keys all come through valueChanged; a value
    // shown under the blocker does not.
    connect(this, &QSlider::valueChanged, this, [this](int position) {
        m_percent = percentOf(volumeAt(position));
        emit volumeChosen(volumeAt(position));
    });
}

int VolumeSlider::positionFor(double volume)
{
    return std::clamp(int(std::lround(volume * lastPosition)), 0, lastPosition);
}

double VolumeSlider::volumeAt(int position)
{
    // Divided, not multiplied by 0.05: 7 / 20.0 is 0.35 exactly as stored, 7 * 0.05 is not.
    return position / double(lastPosition);
}

int VolumeSlider::percentOf(double volume)
{
    return int(std::lround(volume * 100));
}

void VolumeSlider::showVolume(double volume)
{
    const QSignalBlocker block(this);
    m_percent = percentOf(volume);
    setValue(positionFor(volume));
    QAccessibleValueChangeEvent event(this, m_percent);
    QAccessible::updateAccessibility(&event);
}

#include "settings_ui/panes/app/BatteryThresholdSlider.h"

#include <algorithm>
#include <cmath>

BatteryThresholdSlider::BatteryThresholdSlider(QWidget *parent)
    : PercentSlider(QStringLiteral("Battery threshold"), Range{lowest, highest, step}, parent)
{
    setRange(positionFor(lowest), positionFor(highest));
    // Dragging, a click on the groove and the keys all come through valueChanged; a value
    // shown under the blocker does not.
    connect(this, &QSlider::valueChanged, this, [this](int position) {
        setShownPercent(percentAt(position));
        emit thresholdChosen(threshold());
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

int BatteryThresholdSlider::positionForPercent(double percent) const
{
    // Whole percent first, as the stored threshold is.
    return positionFor(std::llround(percent));
}

void BatteryThresholdSlider::showThreshold(qint64 percent)
{
    showPercent(percent, positionFor(percent));
}

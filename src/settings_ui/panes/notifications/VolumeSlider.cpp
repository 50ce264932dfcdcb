#include "settings_ui/panes/notifications/VolumeSlider.h"

#include <algorithm>
#include <cmath>

VolumeSlider::VolumeSlider(QWidget *parent)
    : PercentSlider(QStringLiteral("Lumenpause notification volume"), Range{0, 100, 100 / lastPosition}, parent)
{
    setRange(0, lastPosition);
    // Dragging, a click on the groove and the keys all come through valueChanged; a value
    // shown under the blocker does not.
    connect(this, &QSlider::valueChanged, this, [this](int position) {
        setShownPercent(percentOf(volumeAt(position)));
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

int VolumeSlider::positionForPercent(double percent) const
{
    return positionFor(percent / 100);
}

void VolumeSlider::showVolume(double volume)
{
    showPercent(percentOf(volume), positionFor(volume));
}

#pragma once

#include "settings_ui/components/PercentSlider.h"

// The notification volume's slider: 21 positions, 0 to 100 % in steps of 5. A volume set
// elsewhere that lies between two positions stands at the nearer one, while the percentage
// it announces (and the pane prints) is the volume's own, rounded. Position p means the
// volume p / 20, written as the user moves it (volumeChosen), never when shown. Screen readers
// hear it as a slider named "Lumenpause notification volume" whose value is "35 percent".
// The mouse wheel scrolls the pane instead.
class VolumeSlider : public PercentSlider
{
    Q_OBJECT

public:
    static constexpr int lastPosition = 20;

    explicit VolumeSlider(QWidget *parent = nullptr);

    static int positionFor(double volume);
    static double volumeAt(int position);
    static int percentOf(double volume);
    int positionForPercent(double percent) const override;

    // Shows the volume without reporting it as chosen.
    void showVolume(double volume);
    int percent() const { return int(shownPercent()); }

signals:
    void volumeChosen(double volume);
};

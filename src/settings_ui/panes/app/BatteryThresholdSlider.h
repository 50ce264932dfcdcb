#pragma once

#include "settings_ui/components/PercentSlider.h"

// The low-battery threshold's slider: ten positions, 5 to 50 % in steps of 5. A threshold
// stored off that grid (17, or 80 from an older build) stands at the nearest position while
// the number shown and announced stays the stored one, and nothing is written until the user
// moves the slider (thresholdChosen). Screen readers hear it as a slider named "Battery
// threshold" whose value is "15 percent". The mouse wheel scrolls the pane instead.
class BatteryThresholdSlider : public PercentSlider
{
    Q_OBJECT

public:
    static constexpr int step = 5;
    static constexpr int lowest = 5;
    static constexpr int highest = 50;

    explicit BatteryThresholdSlider(QWidget *parent = nullptr);

    static int positionFor(qint64 percent);
    static int percentAt(int position);
    int positionForPercent(double percent) const override;

    // Shows the stored threshold without reporting it as chosen.
    void showThreshold(qint64 percent);
    qint64 threshold() const { return shownPercent(); }

signals:
    void thresholdChosen(qint64 percent);
};

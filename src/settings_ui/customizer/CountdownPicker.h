#pragma once

#include "breakscreen/BreakScreenChoices.h"
#include "settings_ui/customizer/CustomizerTileGroup.h"

// The customizer's countdown styles: one row of tiles sharing the width equally.
class CountdownPicker : public CustomizerTileGroup
{
    Q_OBJECT

public:
    explicit CountdownPicker(QWidget *parent = nullptr);

    BreakCountdown selection() const;
    void setSelection(BreakCountdown value);
    TileButton *tile(BreakCountdown value) const;

signals:
    // A tile was clicked, the selected one included.
    void picked(BreakCountdown value);
};

#pragma once

#include "breakscreen/BreakScreenChoices.h"
#include "settings_ui/customizer/CustomizerTileGroup.h"

// The customizer's background choices: a swatch tile per background in four equal columns.
class BackgroundGrid : public CustomizerTileGroup
{
    Q_OBJECT

public:
    explicit BackgroundGrid(QWidget *parent = nullptr);

    BreakBG selection() const;
    void setSelection(BreakBG value);
    TileButton *tile(BreakBG value) const;

signals:
    // A tile was clicked, the selected one included.
    void picked(BreakBG value);
};

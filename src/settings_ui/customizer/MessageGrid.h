#pragma once

#include "breakscreen/BreakScreenChoices.h"
#include "settings_ui/customizer/CustomizerTileGroup.h"

// The customizer's message choices: a card per message in two equal columns, in the order the
// break screen lists them ("Catch a quick rest" and "Rest Your Eyes" first, "Random" and
// "Custom" last).
class MessageGrid : public CustomizerTileGroup
{
    Q_OBJECT

public:
    explicit MessageGrid(QWidget *parent = nullptr);

    BreakScreenMessage selection() const;
    void setSelection(BreakScreenMessage value);
    TileButton *tile(BreakScreenMessage value) const;

signals:
    // A tile was clicked, the selected one included.
    void picked(BreakScreenMessage value);
};

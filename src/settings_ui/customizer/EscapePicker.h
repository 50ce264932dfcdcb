#pragma once

#include "breakscreen/BreakScreenChoices.h"
#include "settings_ui/customizer/CustomizerTileGroup.h"

// The customizer's Escape rules: two tiles sharing the row equally.
class EscapePicker : public CustomizerTileGroup
{
    Q_OBJECT

public:
    explicit EscapePicker(QWidget *parent = nullptr);

    EscBehavior selection() const;
    void setSelection(EscBehavior value);
    TileButton *tile(EscBehavior value) const;

signals:
    // A tile was clicked, the selected one included.
    void picked(EscBehavior value);
};

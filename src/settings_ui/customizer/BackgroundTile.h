#pragma once

#include "breakscreen/BreakScreenChoices.h"
#include "settings_ui/components/TileButton.h"

// One tile of the customizer's background picker: a 40-pixel swatch of the background over
// its name, outlined in blue while selected. Announced as a radio button under its name.
class BackgroundTile : public TileButton
{
    Q_OBJECT

public:
    static constexpr int swatchHeight = 40;
    static constexpr qreal cornerRadius = 6;
    static constexpr int captionGap = 4;
    static constexpr qreal captionSize = 9;

    explicit BackgroundTile(BreakBG background, QWidget *parent = nullptr);

    BreakBG background() const { return m_background; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return {10, sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    BreakBG m_background;
};

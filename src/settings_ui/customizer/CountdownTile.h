#pragma once

#include "breakscreen/BreakScreenChoices.h"
#include "settings_ui/components/TileButton.h"

// One tile of the customizer's countdown picker: the style's mark in a 36-pixel rounded
// square over its name, blue and outlined while selected. Announced as a radio button under
// its name.
class CountdownTile : public TileButton
{
    Q_OBJECT

public:
    static constexpr int iconSide = 36;
    static constexpr qreal cornerRadius = 8;
    static constexpr qreal symbolSize = 16;
    static constexpr int captionGap = 4;
    static constexpr qreal captionSize = 9;

    explicit CountdownTile(BreakCountdown style, QWidget *parent = nullptr);

    // The mark each style shows.
    static QString symbolName(BreakCountdown style);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return {iconSide, sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    BreakCountdown m_style;
};

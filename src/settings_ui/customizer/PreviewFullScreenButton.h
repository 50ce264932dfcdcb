#pragma once

#include "settings_ui/components/TileButton.h"

// The round button in the preview's top-right corner that asks for the break screen at full
// size: outward arrows on a material disc that firms up under the pointer. Its hover text is
// "Preview full screen"; screen readers know it as the button "Preview break full screen".
class PreviewFullScreenButton : public TileButton
{
    Q_OBJECT

public:
    static constexpr int side = 32;
    static constexpr qreal symbolSize = 12;

    explicit PreviewFullScreenButton(QWidget *parent = nullptr);

    QSize sizeHint() const override { return {side, side}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &position) const override;
};

#pragma once

#include "breakscreen/BreakScreenChoices.h"
#include "settings_ui/components/TileButton.h"

// One tile of the customizer's Escape picker: the rule's name on a faint outlined fill,
// white on solid blue while selected. Announced as a radio button under its name.
class EscapeTile : public TileButton
{
    Q_OBJECT

public:
    static constexpr qreal textSize = 11;
    static constexpr int verticalPadding = 8;
    static constexpr qreal cornerRadius = 7;

    explicit EscapeTile(EscBehavior behavior, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return {10, sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent *event) override;
};

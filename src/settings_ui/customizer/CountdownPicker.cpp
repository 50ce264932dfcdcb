#include "settings_ui/customizer/CountdownPicker.h"

#include "settings_ui/customizer/CountdownTile.h"

#include <QHBoxLayout>

CountdownPicker::CountdownPicker(QWidget *parent)
    : CustomizerTileGroup(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    for (const BreakCountdown value : allBreakCountdowns()) {
        auto *tile = new CountdownTile(value, this);
        tile->setObjectName(QStringLiteral("break.countdown:") + rawValue(value));
        addTile(tile);
        row->addWidget(tile, 1);
    }
    connect(this, &CustomizerTileGroup::tileClicked, this,
            [this](int index) { emit picked(allBreakCountdowns().at(index)); });
}

BreakCountdown CountdownPicker::selection() const
{
    return allBreakCountdowns().value(selectedIndex(), allBreakCountdowns().first());
}

void CountdownPicker::setSelection(BreakCountdown value)
{
    setSelectedIndex(int(allBreakCountdowns().indexOf(value)));
}

TileButton *CountdownPicker::tile(BreakCountdown value) const
{
    return tiles().value(allBreakCountdowns().indexOf(value));
}

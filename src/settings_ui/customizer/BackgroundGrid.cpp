#include "settings_ui/customizer/BackgroundGrid.h"

#include "settings_ui/customizer/BackgroundTile.h"

#include <QGridLayout>

BackgroundGrid::BackgroundGrid(QWidget *parent)
    : CustomizerTileGroup(parent)
{
    constexpr int columns = 4;
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    for (int column = 0; column < columns; ++column)
        grid->setColumnStretch(column, 1);
    for (const BreakBG value : allBreakBGs()) {
        auto *tile = new BackgroundTile(value, this);
        tile->setObjectName(QStringLiteral("break.background:") + rawValue(value));
        addTile(tile);
        const int index = int(tiles().size()) - 1;
        grid->addWidget(tile, index / columns, index % columns);
    }
    connect(this, &CustomizerTileGroup::tileClicked, this,
            [this](int index) { emit picked(allBreakBGs().at(index)); });
}

BreakBG BackgroundGrid::selection() const
{
    return allBreakBGs().value(selectedIndex(), allBreakBGs().first());
}

void BackgroundGrid::setSelection(BreakBG value)
{
    setSelectedIndex(int(allBreakBGs().indexOf(value)));
}

TileButton *BackgroundGrid::tile(BreakBG value) const
{
    return tiles().value(allBreakBGs().indexOf(value));
}

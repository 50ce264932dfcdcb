#include "settings_ui/customizer/MessageGrid.h"

#include "settings_ui/customizer/MessageCard.h"

#include <QGridLayout>

MessageGrid::MessageGrid(QWidget *parent)
    : CustomizerTileGroup(parent)
{
    constexpr int columns = 2;
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);
    for (int column = 0; column < columns; ++column)
        grid->setColumnStretch(column, 1);
    for (const BreakScreenMessage value : allBreakScreenMessages()) {
        auto *tile = new MessageCard(rawValue(value), this);
        tile->setObjectName(QStringLiteral("break.message:") + rawValue(value));
        addTile(tile);
        const int index = int(tiles().size()) - 1;
        grid->addWidget(tile, index / columns, index % columns);
    }
    connect(this, &CustomizerTileGroup::tileClicked, this,
            [this](int index) { emit picked(allBreakScreenMessages().at(index)); });
}

BreakScreenMessage MessageGrid::selection() const
{
    return allBreakScreenMessages().value(selectedIndex(), allBreakScreenMessages().first());
}

void MessageGrid::setSelection(BreakScreenMessage value)
{
    setSelectedIndex(int(allBreakScreenMessages().indexOf(value)));
}

TileButton *MessageGrid::tile(BreakScreenMessage value) const
{
    return tiles().value(allBreakScreenMessages().indexOf(value));
}

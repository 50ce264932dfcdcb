#include "settings_ui/customizer/EscapePicker.h"

#include "settings_ui/customizer/EscapeTile.h"

#include <QHBoxLayout>

EscapePicker::EscapePicker(QWidget *parent)
    : CustomizerTileGroup(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    for (const EscBehavior value : allEscBehaviors()) {
        auto *tile = new EscapeTile(value, this);
        tile->setObjectName(QStringLiteral("break.escape:") + rawValue(value));
        addTile(tile);
        row->addWidget(tile, 1);
    }
    connect(this, &CustomizerTileGroup::tileClicked, this,
            [this](int index) { emit picked(allEscBehaviors().at(index)); });
}

EscBehavior EscapePicker::selection() const
{
    return allEscBehaviors().value(selectedIndex(), allEscBehaviors().first());
}

void EscapePicker::setSelection(EscBehavior value)
{
    setSelectedIndex(int(allEscBehaviors().indexOf(value)));
}

TileButton *EscapePicker::tile(EscBehavior value) const
{
    return tiles().value(allEscBehaviors().indexOf(value));
}

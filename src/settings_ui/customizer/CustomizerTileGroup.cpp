#include "settings_ui/customizer/CustomizerTileGroup.h"

#include "settings_ui/components/TileButton.h"

CustomizerTileGroup::CustomizerTileGroup(QWidget *parent)
    : QWidget(parent)
{
}

void CustomizerTileGroup::setSelectedIndex(int index)
{
    m_selectedIndex = index;
    for (qsizetype position = 0; position < m_tiles.size(); ++position)
        m_tiles[position]->setSelected(position == index);
}

void CustomizerTileGroup::addTile(TileButton *tile)
{
    const int index = int(m_tiles.size());
    m_tiles.append(tile);
    tile->setSelected(index == m_selectedIndex);
    connect(tile, &TileButton::clicked, this, [this, index] { emit tileClicked(index); });
}

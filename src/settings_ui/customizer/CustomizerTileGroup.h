#pragma once

#include <QList>
#include <QWidget>

class TileButton;

// The tiles of one of the customizer's pickers, one per option in the option list's order,
// with exactly the tile of the option the setting holds selected. A click only reports its
// tile; the selection follows the setting's change, so a click on the selected tile leaves
// the setting, and everything that saves it, alone. The layout is the subclass's.
class CustomizerTileGroup : public QWidget
{
    Q_OBJECT

public:
    explicit CustomizerTileGroup(QWidget *parent = nullptr);

    const QList<TileButton *> &tiles() const { return m_tiles; }
    int selectedIndex() const { return m_selectedIndex; }
    void setSelectedIndex(int index);

signals:
    void tileClicked(int index);

protected:
    // Takes the next tile; its index is its position in the option list.
    void addTile(TileButton *tile);

private:
    QList<TileButton *> m_tiles;
    int m_selectedIndex = -1;
};

#pragma once

#include "settings_ui/NamedColors.h"

#include <QFont>
#include <QWidget>

#include <optional>

// A symbol in a fixed frame: bare in a named colour (a row's leading mark), or in white on a
// rounded square filled with a colour's gradient (a card's icon tile). Not a control: screen
// readers pass over it, the text beside it says what it means.
class SymbolTile : public QWidget
{
    Q_OBJECT

public:
    SymbolTile(const QString &symbol, qreal pointSize, QFont::Weight weight, QSize frame,
               NamedColor colour, QWidget *parent = nullptr);
    // White on a rounded square of `tileColour`'s gradient.
    SymbolTile(const QString &symbol, qreal pointSize, QFont::Weight weight, QSize frame,
               const QColor &tileColour, qreal cornerRadius, QWidget *parent = nullptr);
    // A settings row's tile: `side` pixels square with 6-pixel corners, on the gradient of
    // `tint` as the window's scheme has it, the symbol medium at `symbolSize` points in the
    // layout's terms.
    static SymbolTile *tinted(const QString &symbol, NamedColor tint, int side, qreal symbolSize);

    QString symbol() const { return m_symbol; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbol;
    qreal m_pointSize;
    QFont::Weight m_weight;
    NamedColor m_colour = NamedColor::label;
    std::optional<QColor> m_tileColour;
    // Looked up in the scheme at each paint, where m_tileColour stays as given.
    std::optional<NamedColor> m_tileTint;
    qreal m_cornerRadius = 0;
};

#pragma once

#include "settings_ui/components/NamedColors.h"

#include <QFont>
#include <QWidget>

#include <optional>

// A symbol in a fixed frame: bare in a colour for each scheme (a row's leading mark, a symbol
// beside text), or in white on a rounded square filled with a colour's gradient (a card's
// icon tile). Not a control: it takes no clicks, screen readers pass over it and the text
// beside it says what it means.
class SymbolTile : public QWidget
{
    Q_OBJECT

public:
    SymbolTile(const QString &symbol, qreal pointSize, QFont::Weight weight, QSize frame,
               NamedColor colour, QWidget *parent = nullptr);
    SymbolTile(const QString &symbol, qreal pointSize, QFont::Weight weight, QSize frame,
               const QColor &light, const QColor &dark, QWidget *parent = nullptr);
    // White on a rounded square of `tileColour`'s gradient.
    SymbolTile(const QString &symbol, qreal pointSize, QFont::Weight weight, QSize frame,
               const QColor &tileColour, qreal cornerRadius, QWidget *parent = nullptr);
    // A settings row's tile: `side` pixels square with 6-pixel corners, on the gradient of
    // `tint` as the window's scheme has it, the symbol medium at `symbolSize` points in the
    // layout's terms.
    static SymbolTile *tinted(const QString &symbol, NamedColor tint, int side, qreal symbolSize);
    // A plain row's mark, `width` wide and a quarter taller than `pointSize`, in the text
    // colour of `colour`.
    static SymbolTile *mark(const QString &symbol, qreal pointSize, NamedColor colour, int width,
                            QFont::Weight weight = QFont::Normal);

    QString symbol() const { return m_symbol; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Colours for the light and the dark scheme.
    struct Pair
    {
        QColor light;
        QColor dark;
    };

    QString m_symbol;
    qreal m_pointSize;
    QFont::Weight m_weight;
    Pair m_colour;
    // The tile's ground; none for a bare symbol.
    std::optional<Pair> m_ground;
    qreal m_cornerRadius = 0;
};

#pragma once

#include "settings_ui/components/CachedShadow.h"
#include "settings_ui/components/TileButton.h"
#include "settings_ui/panes/breaks/BreakEnforcement.h"

// The card of one enforcement mode: a small picture of the break screen's skip button in the
// mode's colours, its title and what it allows. The selected card has a 2-pixel accent border,
// a bold title and shadows tinted with the mode's colour; a hovered one grows by 2 % (drawn
// larger, its place in the layout unchanged) and its border darkens a little. A click only
// reports; the owner selects. Announced as a radio button named after the mode.
class EnforcementCard : public TileButton
{
    Q_OBJECT

public:
    // Room kept around the card's shape for its shadow (cast downwards) and its growth
    // under the pointer; little at the sides, so a row of cards lines up with the pane.
    static constexpr int sideOutset = 3;
    static constexpr int topOutset = 4;
    static constexpr int bottomOutset = 10;
    static constexpr qreal hoverScale = 1.02;

    explicit EnforcementCard(BreakEnforcement mode, QWidget *parent = nullptr);

    BreakEnforcement mode() const { return m_mode; }
    // The card's shape inside the widget.
    QRectF cardRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintTile(QPainter &painter, const QRectF &tile);
    void paintPill(QPainter &painter, const QRectF &tile);
    void paintTexts(QPainter &painter, const QRectF &content);

    BreakEnforcement m_mode;
    CachedShadow m_cardShadow;
    CachedShadow m_tileShadow;
};

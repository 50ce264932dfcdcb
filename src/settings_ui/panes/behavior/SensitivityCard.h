#pragma once

#include "settings_ui/components/CachedShadow.h"
#include "settings_ui/components/TileButton.h"
#include "settings_ui/panes/behavior/ReminderSensitivity.h"

// The card of one break sensitivity: its symbol on a tinted circle, its title and what it
// does in at most two lines. The selected card has a 2-pixel border and a shadow in the
// sensitivity's colour, a bold title and a stronger circle; a hovered one grows by 2 % (drawn
// larger, its place in the layout unchanged) and its border darkens a little. Cards in a row
// share its width. A click only reports; the owner selects. Announced as a radio button
// named after the sensitivity.
class SensitivityCard : public TileButton
{
    Q_OBJECT

public:
    // Room kept around the card's shape for its shadow (cast downwards) and its growth under
    // the pointer.
    static constexpr int sideOutset = 3;
    static constexpr int topOutset = 4;
    static constexpr int bottomOutset = 9;
    static constexpr qreal hoverScale = 1.02;

    explicit SensitivityCard(ReminderSensitivity mode, QWidget *parent = nullptr);

    ReminderSensitivity mode() const { return m_mode; }
    // The card's shape inside the widget.
    QRectF cardRect() const;
    // The subtitle as drawn in `width` pixels: wrapped at word boundaries into two lines at
    // most, the second elided when the text needs more.
    static QStringList subtitleLines(const QString &subtitle, qreal width);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintFrame(QPainter &painter, const QRectF &card);
    void paintContent(QPainter &painter, const QRectF &content);

    ReminderSensitivity m_mode;
    CachedShadow m_restingShadow;
    CachedShadow m_selectedShadow;
};

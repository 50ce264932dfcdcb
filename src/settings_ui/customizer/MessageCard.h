#pragma once

#include "settings_ui/components/TileButton.h"

// One card of the customizer's message grid: the message's title on one line (elided when
// the column is too narrow), secondary on a faint fill, white and semibold on blue while
// selected. Announced as a radio button under its title.
class MessageCard : public TileButton
{
    Q_OBJECT

public:
    static constexpr qreal textSize = 10;
    static constexpr int verticalPadding = 7;
    static constexpr qreal cornerRadius = 6;

    explicit MessageCard(const QString &title, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

#pragma once

#include "settings_ui/components/TileButton.h"

// The round button that leaves a sub-page: a left chevron in a faint disc that darkens under
// the pointer. Only the disc takes clicks. Announced as a button named "Back", which is also
// its hover text.
class BackButton : public TileButton
{
    Q_OBJECT

public:
    static constexpr int side = 32;

    explicit BackButton(QWidget *parent = nullptr);

    QSize sizeHint() const override { return {side, side}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &position) const override;
};

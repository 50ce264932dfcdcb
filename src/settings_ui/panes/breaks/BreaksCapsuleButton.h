#pragma once

#include "settings_ui/components/TileButton.h"

// A text button on a capsule, the whole capsule taking clicks: either prominent (white text
// on blue) or quiet (secondary text on a faint wash of the label colour), optionally led by
// a small symbol. It darkens a little under the pointer. Announced as a button named after
// its caption.
class BreaksCapsuleButton : public TileButton
{
    Q_OBJECT

public:
    enum class Style { prominent, quiet };

    struct Look
    {
        Style style;
        qreal textSize;
        QFont::Weight weight;
        int horizontalPadding;
        int verticalPadding;
        QString symbol = {}; // none when empty
    };

    BreaksCapsuleButton(const QString &caption, const Look &look, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &position) const override;

private:
    QFont font() const;

    Look m_look;
};

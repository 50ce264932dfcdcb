#pragma once

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/TileButton.h"

#include <QFont>
#include <QMargins>

// One choice of a set shown as radio rows: the radio mark (a ring, filled blue when chosen),
// an optional symbol on a faint circle of its tint, and the title with an optional subtitle
// under it. The whole row, its margins included, is the hit area, and the focus ring runs
// along its edge: its margins (ringRoom at least) keep the ring off the mark and the letters.
// Announced as a radio button named after its title; which row is chosen is its owner's
// (setSelected).
class RadioOptionRow : public TileButton
{
    Q_OBJECT

public:
    // The margins a row starts with: the ring, and a gap, around the content.
    static constexpr QMargins ringRoom{6, 5, 6, 5};

    struct Look
    {
        qreal markSize;
        qreal spacing;
        // The title's weight while chosen; regular otherwise.
        QFont::Weight selectedWeight;
    };

    RadioOptionRow(const QString &title, const QString &subtitle, const Look &look,
                   QWidget *parent = nullptr);

    // Puts `symbol` in the tint on a 28-pixel circle between the mark and the texts.
    void setSymbol(const QString &symbol, NamedColor tint);

    QString title() const { return text(); }
    QString subtitle() const { return m_subtitle; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal textHeight() const;
    qreal textLeft() const;
    void paintMark(QPainter &painter, qreal centreY) const;
    void paintTexts(QPainter &painter, qreal left) const;

    QString m_subtitle;
    Look m_look;
    QString m_symbol;
    NamedColor m_tint = NamedColor::blue;
};

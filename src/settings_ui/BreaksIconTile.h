#pragma once

#include "settings_ui/NamedColors.h"

#include <QWidget>

// The small rounded tile at the head of a card or row: a white symbol on the gradient of
// the row's colour. Decoration only: screen readers skip it, the row's title names it.
class BreaksIconTile : public QWidget
{
    Q_OBJECT

public:
    static constexpr qreal cornerRadius = 6;

    // `side` pixels square; the symbol at `symbolSize` points in the layout's terms.
    BreaksIconTile(const QString &symbol, NamedColor colour, int side, qreal symbolSize,
                   QWidget *parent = nullptr);

    QString symbol() const { return m_symbol; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbol;
    NamedColor m_colour;
    qreal m_symbolSize;
};

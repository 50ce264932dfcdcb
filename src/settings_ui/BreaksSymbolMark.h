#pragma once

#include "settings_ui/NamedColors.h"

#include <QFont>
#include <QWidget>

// A bare symbol in one of the named colours, centred in a fixed square: the leading mark of
// a plain row. Decoration only; its colour may change with the row's state.
class BreaksSymbolMark : public QWidget
{
    Q_OBJECT

public:
    BreaksSymbolMark(const QString &symbol, qreal pointSize, NamedColor colour, int width,
                     QFont::Weight weight = QFont::Normal, QWidget *parent = nullptr);

    QString symbol() const { return m_symbol; }
    void setSymbol(const QString &symbol, NamedColor colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbol;
    qreal m_pointSize;
    NamedColor m_colour;
    QFont::Weight m_weight;
};

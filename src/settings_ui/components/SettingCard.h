#pragma once

#include "core/AppTheme.h"

#include <QColor>
#include <QWidget>

class QVBoxLayout;

// The rounded card that groups rows of settings: its rows stacked top to bottom, flush with
// its edges (rows set their own insets, 16 pixels at the sides), on the text-background
// colour with a hairline border, a near-black grey in the dark scheme.
class SettingCard : public QWidget
{
    Q_OBJECT

public:
    static constexpr qreal cornerRadius = 12;

    explicit SettingCard(QWidget *parent = nullptr);

    // What a card is filled with in `scheme`.
    static QColor fill(ColorScheme scheme);

    // Adds a row below the others; the card takes it.
    void addRow(QWidget *row);
    QVBoxLayout *rows() const { return m_rows; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVBoxLayout *m_rows;
};

#pragma once

#include "settings_ui/components/TileButton.h"

// One icon a planned break can wear, in the sheets' row of eight: the symbol in a small
// rounded square, washed and outlined in blue while it is the chosen one. Announced as a
// radio button named after what the icon shows.
class PlannedBreakIconButton : public TileButton
{
    Q_OBJECT

public:
    static constexpr int side = 28;

    explicit PlannedBreakIconButton(const QString &symbol, QWidget *parent = nullptr);

    QString symbol() const { return m_symbol; }
    // "Walking figure" for "figure.walk"; the symbol name for one not offered.
    static QString spokenName(const QString &symbol);

    QSize sizeHint() const override { return {side, side}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbol;
};

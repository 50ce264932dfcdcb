#pragma once

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/TileButton.h"

// A button in one tint: a small symbol and its title on a faint wash of the tint with a
// thin border of it, the wash deepening under the pointer and while pressed. Announced as a
// button named after its title.
class TintedButton : public TileButton
{
    Q_OBJECT

public:
    static constexpr qreal cornerRadius = 8;

    TintedButton(const QString &symbol, const QString &title, NamedColor tint, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbol;
    NamedColor m_tint;
};

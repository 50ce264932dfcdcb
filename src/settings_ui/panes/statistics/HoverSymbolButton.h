#pragma once

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/TileButton.h"

// A borderless button that shows only a symbol, in its tint (red for a destructive action),
// with a faint rounded ground under the pointer and a grey symbol while disabled. Having no
// caption, it is announced to screen readers by its hover text.
class HoverSymbolButton : public TileButton {
    Q_OBJECT

public:
    static constexpr int side = 24;

    HoverSymbolButton(const QString &symbolName, NamedColor tint, const QString &hoverText,
                 QWidget *parent = nullptr);

    QSize sizeHint() const override { return {side, side}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbolName;
    NamedColor m_tint;
};

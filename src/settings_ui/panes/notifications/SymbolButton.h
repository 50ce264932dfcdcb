#pragma once

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/TileButton.h"

#include <QFont>

// A bare symbol that acts as a button (the sound card's play mark): drawn in its tint, a
// little fainter while pressed, and in the tertiary label colour while disabled. The whole
// frame is the hit area. Announced as a button under the name given, which is also its
// tooltip.
class SymbolButton : public TileButton
{
    Q_OBJECT

public:
    SymbolButton(const QString &symbol, qreal pointSize, QFont::Weight weight, QSize frame,
                 NamedColor tint, const QString &name, QWidget *parent = nullptr);

    QSize sizeHint() const override { return m_frame; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString m_symbol;
    qreal m_pointSize;
    QFont::Weight m_weight;
    QSize m_frame;
    NamedColor m_tint;
};

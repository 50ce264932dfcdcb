#include "settings_ui/components/PaneParts.h"

#include "settings_ui/components/BreaksSettingRow.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SymbolTile.h"

#include <QVBoxLayout>

namespace {

constexpr int symbolFrame = 20;
// 14 points in the layout; our symbols fill their square where a symbol font leaves room
// around its glyphs, so they are drawn a little larger to look that size.
constexpr qreal symbolSize = 16;
constexpr int tileSide = 24;
constexpr qreal tileSymbolSize = 12;

} // namespace

QVBoxLayout *PaneParts::column(QWidget *pane, int spacing)
{
    auto *column = new QVBoxLayout(pane);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(spacing);
    return column;
}

SchemeLabel *PaneParts::section(const QString &text, int topPadding)
{
    SchemeLabel *label = PaneLabels::section(text);
    label->setContentsMargins(0, topPadding, 0, 0);
    return label;
}

BreaksSettingRow *PaneParts::symbolRow(const QString &symbol, const QString &title, const QString &subtitle,
                                       QWidget *control, const QMargins &margins)
{
    auto *mark = new SymbolTile(symbol, symbolSize, QFont::Normal, QSize(symbolFrame, symbolFrame),
                                NamedColor::secondaryLabel);
    if (control)
        control->setAccessibleName(title);
    return new BreaksSettingRow(mark, title, subtitle, control, margins);
}

BreaksSettingRow *PaneParts::tileRow(const QString &symbol, NamedColor tint, const QString &title,
                                     QWidget *control, const QMargins &margins)
{
    auto *tile = SymbolTile::tinted(symbol, tint, tileSide, tileSymbolSize);
    if (control)
        control->setAccessibleName(title);
    return new BreaksSettingRow(tile, title, QString(), control, margins, QFont::Normal);
}

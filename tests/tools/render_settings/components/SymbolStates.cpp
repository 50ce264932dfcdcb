// Every symbol the settings window can draw, large, with its name: a check on each design.

#include "render_settings/SettingsRenderStates.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QPainter>
#include <QWidget>

namespace {

constexpr int columns = 6;
constexpr int cellWidth = 130;
constexpr int cellHeight = 78;
constexpr qreal symbolSize = 30;

class SymbolSheet : public QWidget
{
public:
    SymbolSheet()
    {
        const int rows = int((SymbolGlyphs::symbolNames().size() + columns - 1) / columns);
        setFixedHeight(rows * cellHeight + 24);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QStringList names = SymbolGlyphs::symbolNames();
        painter.setFont(SettingsFont::font(10));
        for (int index = 0; index < names.size(); ++index) {
            const QRectF cell(12 + (index % columns) * cellWidth, 12 + (index / columns) * cellHeight,
                              cellWidth, cellHeight);
            SymbolGlyphs::paint(painter, names[index], QPointF(cell.center().x(), cell.top() + 26),
                                symbolSize, QFont::Normal, NamedColors::color(NamedColor::label, this));
            painter.setPen(NamedColors::color(NamedColor::secondaryLabel, this));
            // A long name breaks within its cell rather than running over its neighbour's.
            painter.drawText(cell.adjusted(4, 48, -4, 0), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWrapAnywhere,
                             names[index]);
        }
    }
};

bool renderSymbols(SettingsRenderContext &context)
{
    return context.save(QStringLiteral("symbols"),
                        context.sheet(new SymbolSheet, 24 + columns * cellWidth));
}

const SettingsRenderStates::Registration symbols("symbols", renderSymbols);

} // namespace

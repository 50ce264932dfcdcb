#include "settings_ui/panes/breaks/PlannedBreakIconButton.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal symbolSize = 18;
constexpr qreal radius = 6;

} // namespace

PlannedBreakIconButton::PlannedBreakIconButton(const QString &symbol, QWidget *parent)
    : TileButton(Role::radioButton, parent)
    , m_symbol(symbol)
{
    setObjectName(QStringLiteral("icon:") + symbol);
    setAccessibleName(spokenName(symbol));
    setToolTip(spokenName(symbol));
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QString PlannedBreakIconButton::spokenName(const QString &symbol)
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("figure.walk"), QStringLiteral("Walking figure")},
        {QStringLiteral("cup.and.saucer.fill"), QStringLiteral("Cup and saucer")},
        {QStringLiteral("figure.mind.and.body"), QStringLiteral("Meditating figure")},
        {QStringLiteral("fork.knife"), QStringLiteral("Fork and knife")},
        {QStringLiteral("dumbbell.fill"), QStringLiteral("Dumbbell")},
        {QStringLiteral("leaf.fill"), QStringLiteral("Leaf")},
        {QStringLiteral("moon.fill"), QStringLiteral("Moon")},
        {QStringLiteral("scope"), QStringLiteral("Target")},
    };
    return names.value(symbol, symbol);
}

void PlannedBreakIconButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QColor blue = NamedColors::color(NamedColor::blue, scheme);
    const qreal selected = selectionProgress();
    const QRectF square = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(square, radius, radius);
    const qreal hover = hoverProgress() * (1 - selected);
    painter.fillPath(shape, NamedColors::withOpacity(blue, 0.2 * selected + 0.08 * hover));
    painter.strokePath(shape, QPen(NamedColors::withOpacity(blue, 0.4 * selected), 1));
    SymbolGlyphs::paint(painter, m_symbol, square.center(), symbolSize, QFont::Normal,
                        NamedColors::color(NamedColor::label, scheme));
    paintFocusRing(painter, shape);
}

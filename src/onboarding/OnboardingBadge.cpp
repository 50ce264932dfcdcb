#include "onboarding/OnboardingBadge.h"

#include "onboarding/OnboardingPalette.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QPainter>

OnboardingBadge::OnboardingBadge(const QString &symbol, const Style &style, QWidget *parent)
    : QWidget(parent)
    , m_symbol(symbol)
    , m_style(style)
{
    setFixedSize(side, side);
}

void OnboardingBadge::paint(QPainter &painter, QPointF centre, const QString &symbol,
                            const Style &style, bool dark)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(OnboardingPalette::green(dark ? style.fillDark : style.fillLight));
    const qreal radius = side / 2.0;
    painter.drawEllipse(centre, radius, radius);
    const qreal ring = dark ? style.ringDark : style.ringLight;
    if (ring > 0) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(OnboardingPalette::green(ring), 1));
        painter.drawEllipse(centre, radius - 0.5, radius - 0.5);
    }
    painter.restore();
    SymbolGlyphs::paint(painter, symbol, centre, style.symbolSize, QFont::DemiBold,
                        OnboardingPalette::green());
}

void OnboardingBadge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, QRectF(rect()).center(), m_symbol, m_style, SettingsPalette::isDark(this));
}

#include "onboarding/OnboardingModeChoice.h"

#include "onboarding/OnboardingPalette.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {

constexpr qreal inset = 13;
constexpr qreal spacing = 8;
constexpr qreal iconFrame = 16;
constexpr qreal symbolSize = 12;
constexpr qreal markSize = 11;
constexpr qreal titleSize = 13;
constexpr qreal minimumGap = 2;
// However narrow the row, the start of the title stays readable.
constexpr qreal shortestTitle = 24;

} // namespace

OnboardingModeChoice::OnboardingModeChoice(const OnboardingModeOption &option, QWidget *parent)
    : OnboardingChoiceButton(option.title, parent)
    , m_option(option)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize OnboardingModeChoice::sizeHint() const
{
    const QFontMetricsF metrics(SettingsFont::font(titleSize, QFont::DemiBold));
    const qreal width = 2 * inset + iconFrame + spacing + metrics.horizontalAdvance(text())
                        + minimumGap + spacing + markSize;
    return QSize(int(std::ceil(width)), height);
}

QSize OnboardingModeChoice::minimumSizeHint() const
{
    // The title may be cut, so the row needs room only for its symbols.
    return QSize(int(2 * inset + iconFrame + 2 * spacing + minimumGap + markSize + shortestTitle), height);
}

void OnboardingModeChoice::paintFace(QPainter &painter, bool dark)
{
    const QRectF box = QRectF(rect());
    const qreal hoverFill = isHovering() ? 0.045 : 0.02;
    painter.setPen(Qt::NoPen);
    painter.setBrush(mixed(OnboardingPalette::unselectedFill(dark, hoverFill),
                           OnboardingPalette::green(dark ? 0.1 : 0.12)));
    painter.drawRoundedRect(box, cornerRadius(), cornerRadius());
    painter.setPen(QPen(mixed(OnboardingPalette::controlBorder(dark), OnboardingPalette::green(0.5)), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius() - 0.5, cornerRadius() - 0.5);

    const bool selectedLook = selectedAmount() >= 0.5;
    const QColor idle = OnboardingPalette::modeIcon(dark);
    const qreal middle = box.center().y();
    SymbolGlyphs::paint(painter, m_option.icon, QPointF(inset + iconFrame / 2, middle), symbolSize,
                        QFont::DemiBold, mixed(idle, OnboardingPalette::green()));

    QColor faintIdle = idle;
    faintIdle.setAlphaF(idle.alphaF() * 0.45f);
    const qreal markCentre = box.right() - inset - markSize / 2;
    SymbolGlyphs::paint(painter,
                        selectedLook ? QStringLiteral("checkmark.circle.fill") : QStringLiteral("circle"),
                        QPointF(markCentre, middle), markSize, QFont::Medium,
                        mixed(faintIdle, OnboardingPalette::green()));

    const QFont font = SettingsFont::font(titleSize, selectedLook ? QFont::DemiBold : QFont::Medium);
    const qreal titleLeft = inset + iconFrame + spacing;
    const QRectF titleRect(titleLeft, box.top(), markCentre - markSize / 2 - spacing - minimumGap - titleLeft,
                           box.height());
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(mixed(OnboardingPalette::modeTitle(dark, false), OnboardingPalette::modeTitle(dark, true)));
    painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(text(), Qt::ElideRight, titleRect.width()));
}

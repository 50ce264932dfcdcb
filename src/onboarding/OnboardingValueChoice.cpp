#include "onboarding/OnboardingValueChoice.h"

#include "onboarding/OnboardingPalette.h"
#include "settings_ui/components/SettingsFont.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr qreal fontSize = 13;
constexpr int sidePadding = 8;

} // namespace

OnboardingValueChoice::OnboardingValueChoice(const QString &label, QWidget *parent)
    : OnboardingChoiceButton(label, parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize OnboardingValueChoice::sizeHint() const
{
    const QFont font = SettingsFont::font(fontSize, QFont::DemiBold);
    const int textWidth = int(std::ceil(SettingsFont::tabularWidth(font, text())));
    return QSize(textWidth + 2 * sidePadding, height);
}

void OnboardingValueChoice::paintFace(QPainter &painter, bool dark)
{
    const QRectF box = QRectF(rect());
    const qreal hoverFill = isHovering() ? 0.05 : 0.025;
    const QColor fill = mixed(OnboardingPalette::unselectedFill(dark, hoverFill),
                              OnboardingPalette::green(dark ? 0.13 : 0.15));
    const QColor border = mixed(OnboardingPalette::controlBorder(dark), OnboardingPalette::green(0.55));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(box, cornerRadius(), cornerRadius());
    // A 1-pixel line inside the edge.
    painter.setPen(QPen(border, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius() - 0.5, cornerRadius() - 0.5);

    const bool selectedLook = selectedAmount() >= 0.5;
    const QFont font = SettingsFont::font(fontSize, selectedLook ? QFont::DemiBold : QFont::Medium);
    painter.setPen(mixed(OnboardingPalette::tileText(dark, false), OnboardingPalette::tileText(dark, true)));
    SettingsFont::drawTabular(painter, box, Qt::AlignCenter, font, text());
}

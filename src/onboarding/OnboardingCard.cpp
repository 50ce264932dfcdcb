#include "onboarding/OnboardingCard.h"

#include "onboarding/OnboardingPalette.h"
#include "settings_ui/components/SettingsPalette.h"

#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int padding = 20;
constexpr qreal shadowRadius = 12;
constexpr QPointF shadowOffset(0, 5);

} // namespace

OnboardingCard::OnboardingCard(int spacing, QWidget *parent)
    : QWidget(parent)
    , m_column(new QVBoxLayout(this))
{
    m_column->setContentsMargins(padding, padding, padding, padding);
    m_column->setSpacing(spacing);
    // Ignored: two cards in a row share its width equally, whatever their content asks.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void OnboardingCard::paintShadow(QPainter &painter, QPoint topLeft)
{
    m_shadow.paint(painter, QRectF(topLeft, size()), cornerRadius, shadowRadius,
                   OnboardingPalette::cardShadow(SettingsPalette::isDark(this)), shadowOffset);
}

void OnboardingCard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool dark = SettingsPalette::isDark(this);
    const QRectF box = QRectF(rect());
    painter.setPen(Qt::NoPen);
    painter.setBrush(OnboardingPalette::cardFill(dark));
    painter.drawRoundedRect(box, cornerRadius, cornerRadius);
    painter.setPen(QPen(OnboardingPalette::cardBorder(dark), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius - 0.5, cornerRadius - 0.5);
}

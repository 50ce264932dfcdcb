#include "onboarding/OnboardingNavigationBar.h"

#include "onboarding/OnboardingNavigationButton.h"
#include "onboarding/OnboardingPalette.h"
#include "onboarding/OnboardingStepIndicator.h"

#include <QHBoxLayout>
#include <QPainter>

namespace {

constexpr int sideInset = 40;
constexpr int bottomInset = 30;
// Above the buttons, room for the glow under "Next", which would be cut off at the bar's top.
constexpr int glowRoom = 12;

} // namespace

OnboardingNavigationBar::OnboardingNavigationBar(int steps, QWidget *parent)
    : QWidget(parent)
    , m_back(new OnboardingNavigationButton(OnboardingNavigationButton::Kind::back, QStringLiteral("Back"), this))
    , m_indicator(new OnboardingStepIndicator(steps, this))
    , m_next(new OnboardingNavigationButton(OnboardingNavigationButton::Kind::next, QStringLiteral("Next"), this))
{
    m_back->setObjectName(QStringLiteral("onboarding.back"));
    m_next->setObjectName(QStringLiteral("onboarding.next"));
    auto *row = new QHBoxLayout(this);
    // The buttons keep room for their focus rings around their capsules; the capsules stay
    // where the insets put them.
    const int ring = OnboardingNavigationButton::ringRoom;
    row->setContentsMargins(sideInset - ring, glowRoom - ring, sideInset - ring, bottomInset - ring);
    row->setSpacing(0);
    row->addWidget(m_back, 0, Qt::AlignVCenter);
    row->addStretch(1);
    row->addWidget(m_indicator, 0, Qt::AlignVCenter);
    row->addStretch(1);
    row->addWidget(m_next, 0, Qt::AlignVCenter);
}

void OnboardingNavigationBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setOpacity(m_next->opacity());
    const QRectF capsule = m_next->capsule().translated(m_next->pos());
    m_nextShadow.paint(painter, capsule, capsule.height() / 2, 8, OnboardingPalette::green(0.3), QPointF(0, 4));
}

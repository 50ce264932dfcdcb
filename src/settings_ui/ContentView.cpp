#include "settings_ui/ContentView.h"

#include "core/AppNotifier.h"
#include "core/SettingsRepository.h"
#include "settings_ui/FadingSnapshot.h"
#include "settings_ui/WindowTheme.h"

#include <QVBoxLayout>

namespace {

const QString onboardingKey = QStringLiteral("hasCompletedOnboarding");

} // namespace

ContentView::ContentView(ContentServices services, QWidget *parent)
    : QWidget(parent)
    , m_services(std::move(services))
    , m_shell(new QWidget(this))
{
    setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_shell);
    new WindowTheme(this, m_services.theme);
    // The request may come at any time; the flag itself is read only here.
    connect(&m_services.notifier, &AppNotifier::showOnboarding, this,
            [this] { setShowOnboarding(true); });
    setShowOnboarding(!m_services.defaults.boolean(onboardingKey));
}

void ContentView::setShowOnboarding(bool show)
{
    if (show == m_showOnboarding)
        return;
    m_showOnboarding = show;
    if (show)
        presentOnboarding();
    else
        removeOnboarding();
    emit showOnboardingChanged(show);
}

void ContentView::presentOnboarding()
{
    if (m_onboarding || !m_services.makeOnboarding)
        return;
    // The window as it was fades away over the flow; a window not on screen shows the flow
    // at once.
    const bool fade = isVisible();
    const QPixmap before = fade ? grab() : QPixmap();
    m_onboarding = m_services.makeOnboarding([this] { setShowOnboarding(false); });
    m_onboarding->setParent(this);
    m_onboarding->setGeometry(rect());
    m_onboarding->show();
    m_onboarding->raise();
    if (fade)
        FadingSnapshot::fadeOut(before, rect(), this, MotionCurve::easeInOut(overlayFadeSeconds));
}

void ContentView::removeOnboarding()
{
    if (!m_onboarding)
        return;
    if (isVisible())
        FadingSnapshot::fadeOut(m_onboarding, this, MotionCurve::easeInOut(overlayFadeSeconds));
    // Deleted later: the flow may be what is running now, closing itself.
    QWidget *flow = m_onboarding;
    m_onboarding = nullptr;
    flow->hide();
    flow->deleteLater();
}

void ContentView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_onboarding)
        m_onboarding->setGeometry(rect());
}

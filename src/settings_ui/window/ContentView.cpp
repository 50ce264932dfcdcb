#include "settings_ui/window/ContentView.h"

#include "core/AppNotifier.h"
#include "core/BuildInfo.h"
#include "core/SettingsRepository.h"
#include "settings_ui/components/Debouncer.h"
#include "settings_ui/components/FadeStack.h"
#include "settings_ui/components/FadingSnapshot.h"
#include "settings_ui/components/ReturnPressesButtons.h"
#include "settings_ui/components/WindowTheme.h"
#include "settings_ui/window/DetailView.h"
#include "settings_ui/window/SettingsSidebar.h"

#include <QAbstractAnimation>
#include <QApplication>
#include <QHBoxLayout>
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
    setMinimumSize(minimumWidth, minimumHeight);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_shell);
    buildShell();
    new WindowTheme(this, m_services.theme);
    ReturnPressesButtons::cover(this);
    // The request may come at any time; the flag itself is read only here.
    connect(&m_services.notifier, &AppNotifier::showOnboarding, this,
            [this] { setShowOnboarding(true); });
    setShowOnboarding(!m_services.defaults.boolean(onboardingKey));
}

void ContentView::buildShell()
{
    m_sidebar = new SettingsSidebar(m_services.breakScheduler.get(),
                                    m_services.info.value_or(buildInfoDictionary()), m_shell);
    m_details = new FadeStack(m_shell);
    auto *row = new QHBoxLayout(m_shell);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(m_sidebar);
    row->addWidget(m_details, 1);
    connect(m_sidebar, &SettingsSidebar::sectionClicked, this, &ContentView::setSelectedSection);
    m_sidebar->setSelectedSection(m_selectedSection);
    showDetail();
}

void ContentView::setSelectedSection(SidebarSection section)
{
    if (section == m_selectedSection)
        return;
    m_selectedSection = section;
    m_sidebar->setSelectedSection(section);
    showDetail();
    emit selectedSectionChanged(section);
}

void ContentView::showDetail()
{
    m_details->setPage(new DetailView(m_selectedSection, m_services),
                       MotionCurve::easeInOut(sectionFadeSeconds));
}

DetailView *ContentView::detail() const
{
    return static_cast<DetailView *>(m_details->page());
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
    // What the flow covers is out of reach while it shows: no screen reader finds it, no
    // Tab lands in it, no press behind the flow changes a setting.
    m_shell->hide();
    // Qt leaves the keyboard on a hidden widget when nothing else takes it.
    if (m_shell->isAncestorOf(QApplication::focusWidget()))
        m_onboarding->setFocus(Qt::OtherFocusReason);
    if (fade)
        FadingSnapshot::fadeOut(before, rect(), this, MotionCurve::easeInOut(overlayFadeSeconds));
}

void ContentView::removeOnboarding()
{
    if (!m_onboarding)
        return;
    m_shell->show();
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

void ContentView::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // Whatever the panes still meant to save is saved now, and nothing animates behind a
    // window nobody sees.
    Debouncer::flushUnder(this);
    settleAnimations();
}

void ContentView::settleAnimations()
{
    // Guarded: landing one animation may end another's owner.
    QList<QPointer<QAbstractAnimation>> animations;
    for (QAbstractAnimation *animation : findChildren<QAbstractAnimation *>())
        animations.append(animation);
    for (const QPointer<QAbstractAnimation> &animation : animations) {
        if (!animation || animation->state() != QAbstractAnimation::Running)
            continue;
        const int total = animation->totalDuration();
        if (total >= 0)
            animation->setCurrentTime(total);
        animation->stop();
    }
}

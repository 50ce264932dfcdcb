#include "onboarding/OnboardingView.h"

#include "core/AppNotifier.h"
#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/DeferredCall.h"
#include "core/Logger.h"
#include "core/SettingsRepository.h"
#include "onboarding/OnboardingChoiceButton.h"
#include "onboarding/OnboardingNavigationBar.h"
#include "onboarding/OnboardingNavigationButton.h"
#include "onboarding/OnboardingPreferencesStep.h"
#include "onboarding/OnboardingRhythmStep.h"
#include "onboarding/OnboardingState.h"
#include "onboarding/OnboardingStepIndicator.h"
#include "onboarding/OnboardingVeil.h"
#include "onboarding/OnboardingWelcomeArt.h"
#include "onboarding/OnboardingWelcomeStep.h"
#include "settings_ui/components/CurveAnimation.h"
#include "settings_ui/components/FadingSnapshot.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/components/ReturnPressesButtons.h"
#include "settings_ui/components/ScrollToFocus.h"
#include "settings_ui/components/SettingsPalette.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSequentialAnimationGroup>
#include <QStackedLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString category = QStringLiteral("Onboarding");
const QString onboardingKey = QStringLiteral("hasCompletedOnboarding");

CurveAnimation *animation(const MotionCurve &curve, qreal from, qreal to, QObject *parent,
                          std::function<void(qreal)> apply)
{
    auto *animation = new CurveAnimation(curve, parent);
    animation->setStartValue(from);
    animation->setEndValue(to);
    QObject::connect(animation, &QVariantAnimation::valueChanged, parent,
                     [apply = std::move(apply)](const QVariant &value) { apply(value.toDouble()); });
    return animation;
}

// Whether `widget` has the focus from the keyboard (it shows a ring).
bool showsKeyboardRing(QWidget *widget)
{
    if (auto *button = qobject_cast<OnboardingNavigationButton *>(widget))
        return button->showsFocusRing();
    if (auto *choice = qobject_cast<OnboardingChoiceButton *>(widget))
        return choice->showsFocusRing();
    return false;
}

} // namespace

OnboardingView::OnboardingView(OnboardingServices services, std::function<void()> dismiss, QWidget *parent)
    : QWidget(parent)
    , m_services(std::move(services))
    , m_dismiss(std::move(dismiss))
    , m_state(new OnboardingState(this))
{
    // Wherever it is shown, Return presses its buttons.
    ReturnPressesButtons::cover(this);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    buildPageArea();
    buildNavigationBar();
    m_veil = new OnboardingVeil([this](qreal ratio) -> const QImage & { return backdrop(ratio); }, this);
    // The content comes in with the entrance; until then only the backdrop shows.
    setContentOpacity(0);
    showStep(0);
    m_navigation->back()->setOpacity(0);
}

OnboardingView::~OnboardingView()
{
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
}

void OnboardingView::buildPageArea()
{
    // A plain widget around the pages: a stacked widget is a "layered pane" to screen
    // readers, which they name on the way into every page.
    auto *stack = new QWidget;
    m_pages = new QStackedLayout(stack);
    m_welcome = new OnboardingWelcomeStep;
    m_rhythm = new OnboardingRhythmStep(*m_state);
    m_preferences = new OnboardingPreferencesStep(*m_state);
    for (QWidget *page : {static_cast<QWidget *>(m_welcome), static_cast<QWidget *>(m_rhythm),
                          static_cast<QWidget *>(m_preferences)})
        m_pages->addWidget(page);
    // A window shorter than a page scrolls the page; the navigation bar stays in place.
    m_pageArea = new QScrollArea(this);
    m_pageArea->setFrameShape(QFrame::NoFrame);
    m_pageArea->setFocusPolicy(Qt::NoFocus);
    m_pageArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pageArea->setWidgetResizable(true);
    m_pageArea->setWidget(stack);
    m_pageArea->viewport()->setAutoFillBackground(false);
    stack->setAutoFillBackground(false);
    layout()->addWidget(m_pageArea);
}

void OnboardingView::buildNavigationBar()
{
    m_navigation = new OnboardingNavigationBar(totalSteps, this);
    layout()->addWidget(m_navigation);
    connect(m_navigation->back(), &QAbstractButton::clicked, this, &OnboardingView::goBack);
    connect(m_navigation->next(), &QAbstractButton::clicked, this, &OnboardingView::goNext);
}

OnboardingPage *OnboardingView::page(int step) const
{
    return qobject_cast<OnboardingPage *>(m_pages->widget(step));
}

bool OnboardingView::focusNextPrevChild(bool next)
{
    // Tab goes round the page's controls in reading order, then "Back" and "Next"; the
    // order in which the widgets happened to be made does not matter.
    QList<QWidget *> order = page(m_step)->focusOrder();
    order << m_navigation->back() << m_navigation->next();
    order.removeIf([](const QWidget *widget) { return !widget->isVisible() || !widget->isEnabled(); });
    if (order.isEmpty())
        return QWidget::focusNextPrevChild(next);
    const qsizetype at = order.indexOf(QApplication::focusWidget());
    const qsizetype count = order.size();
    const qsizetype index = at < 0 ? (next ? 0 : count - 1) : (at + (next ? 1 : count - 1)) % count;
    QWidget *target = order[index];
    // The only stop of the round (the first page's "Next") stays where it is, and is now
    // focused by the keyboard: it takes the focus again, to show its ring.
    if (target->hasFocus())
        target->clearFocus();
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

const QImage &OnboardingView::backdrop(qreal devicePixelRatio)
{
    return m_background.image(size(), devicePixelRatio, SettingsPalette::isDark(this));
}

qreal OnboardingView::contentOpacity() const
{
    return m_veil->contentOpacity();
}

void OnboardingView::goBack()
{
    // Also the invisible "Back" of the first page: nothing to go back to.
    if (m_finishing || m_step < 1)
        return;
    showStep(m_step - 1);
    animateBackOpacity(0.3, 0.9);
}

void OnboardingView::goNext()
{
    // The last button stays live while the content fades; a second press must not finish
    // (and hand over) a second time.
    if (m_finishing)
        return;
    if (m_step < totalSteps - 1) {
        showStep(m_step + 1);
        animateBackOpacity(0.35, 0.9);
    } else {
        finish();
    }
}

void OnboardingView::showStep(int step)
{
    const bool animate = isVisible() && step != m_step;
    const QPixmap before = animate ? m_pageArea->viewport()->grab() : QPixmap();
    // The focus goes on with the user to the new page. The window's own focus, which
    // outlives a spell in the background, is what the window gets back.
    QWidget *focused = window()->focusWidget();
    const bool flowHasFocus = focused && isAncestorOf(focused);
    const bool byKeyboard = showsKeyboardRing(focused);
    // Only the page on show counts for the page area's size, so a short page never scrolls
    // for a taller one that is hidden.
    for (int index = 0; index < m_pages->count(); ++index) {
        const QSizePolicy::Policy policy = index == step ? QSizePolicy::Preferred : QSizePolicy::Ignored;
        m_pages->widget(index)->setSizePolicy(policy, policy);
    }
    m_pages->setCurrentIndex(step);
    m_pageArea->verticalScrollBar()->setValue(0);
    m_step = step;

    OnboardingNavigationButton *back = m_navigation->back();
    back->setEnabled(step > 0);
    OnboardingNavigationButton *next = m_navigation->next();
    const bool last = step == totalSteps - 1;
    next->setText(last ? QStringLiteral("Start Lumenpause") : QStringLiteral("Next"));
    next->setShowsArrow(last);
    // A page without a control of its own is told with the one stop it leaves: "Next".
    OnboardingPage *shown = page(step);
    next->setAccessibleDescription(shown->entryControl() ? QString()
                                                         : shown->accessibleName() + u' ' + shown->accessibleDescription());
    m_navigation->indicator()->setStep(step);
    m_navigation->update();
    if (flowHasFocus)
        enterPage(byKeyboard);

    if (animate) {
        // The new page comes up through the backdrop while a picture of the old one fades
        // away above it.
        const QRect area = m_pageArea->geometry();
        Motion::start(animation(MotionCurve::easeInOut(pageFadeSeconds), 0, 1, this,
                                [this, area](qreal opacity) { m_veil->setPageOpacity(opacity, area); }),
                      QAbstractAnimation::DeleteWhenStopped);
        FadingSnapshot::fadeOut(before, area, this, MotionCurve::easeInOut(pageFadeSeconds));
    }
    emit stepChanged(step);
}

void OnboardingView::enterPage(bool byKeyboard)
{
    QWidget *entry = page(m_step)->entryControl();
    QWidget *target = entry ? entry : m_navigation->next();
    // Focused again, to show a ring the keyboard now asks for.
    if (target->hasFocus())
        target->clearFocus();
    target->setFocus(byKeyboard ? Qt::TabFocusReason : Qt::OtherFocusReason);
    if (entry)
        ScrollToFocus::reveal(entry);
}

void OnboardingView::animateBackOpacity(double response, double damping)
{
    OnboardingNavigationButton *back = m_navigation->back();
    const qreal target = m_step > 0 ? 1 : 0;
    if (!isVisible()) {
        back->setOpacity(target);
        return;
    }
    Motion::start(animation(MotionCurve::spring(response, damping), back->opacity(), target, back,
                            [back](qreal opacity) { back->setOpacity(std::clamp(opacity, 0.0, 1.0)); }),
                  QAbstractAnimation::DeleteWhenStopped);
}

void OnboardingView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    QWidget *host = window();
    if (host != this && host != m_watchedWindow) {
        if (m_watchedWindow)
            m_watchedWindow->removeEventFilter(this);
        host->installEventFilter(this);
        m_watchedWindow = host;
    }
    if (!m_entranceStarted) {
        m_entranceStarted = true;
        m_navigation->back()->setOpacity(0);
        if (!focusWidget())
            m_navigation->next()->setFocus(Qt::OtherFocusReason);
        startEntrance();
    }
}

void OnboardingView::startEntrance()
{
    // The backdrop shows at once; the pages and the bar fade in over it, and the icon grows
    // into place with a bounce.
    Motion::start(Motion::afterDelay(entranceDelaySeconds,
                                     animation(MotionCurve::easeOut(entranceSeconds), 0, 1, this,
                                               [this](qreal opacity) { setContentOpacity(opacity); }),
                                     this),
                  QAbstractAnimation::DeleteWhenStopped);
    OnboardingWelcomeArt *art = m_welcome->art();
    Motion::start(Motion::afterDelay(iconBounceDelaySeconds,
                                     animation(MotionCurve::spring(0.6, 0.5), 0.8, 1.0, art,
                                               [art](qreal scale) { art->setIconScale(scale); }),
                                     art),
                  QAbstractAnimation::DeleteWhenStopped);
}

void OnboardingView::setContentOpacity(qreal opacity)
{
    // A finish that began while the content was still fading in wins over that fade.
    if (m_finishing && opacity > m_veil->contentOpacity())
        return;
    m_veil->setContentOpacity(opacity);
}

void OnboardingView::finish()
{
    m_finishing = true;
    const OnboardingState &state = *m_state;
    AppSettings &settings = m_services.settings;
    // Every choice is written, changed or not; nothing else is touched.
    settings.setBreakInterval(state.selectedInterval());
    settings.setBreakDuration(state.selectedDuration());
    settings.setEnforcement(state.selectedEnforcement());
    settings.setReminderSensitivity(state.selectedSensitivity());
    settings.setLongBreaksEnabled(state.longBreaksEnabled());
    settings.setLongBreakFrequency(state.longBreakFrequency());
    settings.setLongBreakDuration(state.longBreakDuration());
    settings.setLaunchAtLogin(state.launchAtLogin());
    if (m_services.setLaunchAtLogin)
        m_services.setLaunchAtLogin(state.launchAtLogin());
    if (m_services.setPauseDuringMeetings)
        m_services.setPauseDuringMeetings(state.pauseDuringMeetings());

    Motion::start(animation(MotionCurve::easeIn(finishFadeSeconds), contentOpacity(), 0, this,
                            [this](qreal opacity) { m_veil->setContentOpacity(opacity); }),
                  QAbstractAnimation::DeleteWhenStopped);
    m_completion = m_services.clock.schedule(finishFadeSeconds, false, [this] { complete(); });
}

void OnboardingView::complete()
{
    // The host may close this view as part of the hand-over; everything below works on
    // copies.
    const OnboardingServices services = m_services;
    const std::function<void()> dismiss = m_dismiss;
    // On disk at once: a crash just after must not bring the first run back.
    services.defaults.setBool(onboardingKey, true);
    services.defaults.flush();
    if (dismiss)
        dismiss();
    emit services.notifier.onboardingDidComplete();
    if (services.hideSettingsWindow)
        services.hideSettingsWindow();
    AppNotifier *notifier = &services.notifier;
    DeferredCall::run(services.clock, handoffDelaySeconds, notifier,
                      [notifier] { emit notifier->showMenuBarHandoff(); });
}

bool OnboardingView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watchedWindow && event->type() == QEvent::Close)
        windowClosing();
    return QWidget::eventFilter(watched, event);
}

void OnboardingView::windowClosing()
{
    // Closing during the fade lets the finish run; a flow shown again over a running
    // application leaves it running.
    if (m_finishing || (m_services.runtimeRunning && m_services.runtimeRunning()))
        return;
    logInfo(category, formatLogEvent(QStringLiteral("onboarding_abandoned"),
                                     {{QStringLiteral("step"), QString::number(m_step)}}));
    if (m_services.quit)
        m_services.quit();
}

void OnboardingView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_veil->setGeometry(rect());
}

void OnboardingView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), backdrop(painter.device()->devicePixelRatioF()));
}

#pragma once

#include "core/Cancellable.h"
#include "onboarding/OnboardingBackground.h"
#include "onboarding/OnboardingServices.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class OnboardingNavigationBar;
class OnboardingNavigationButton;
class OnboardingPage;
class OnboardingPreferencesStep;
class OnboardingRhythmStep;
class OnboardingState;
class OnboardingVeil;
class OnboardingWelcomeStep;
class QScrollArea;
class QStackedLayout;

// The first-run flow: a welcome page, the rhythm step and the preferences step over a soft
// backdrop, with "Back", the step marks and "Next" below. It takes the whole of the window
// that hosts it. The choices stay in the flow until the last button: `finish` then writes
// them to the settings, the login entry and the meeting pause and fades the content out;
// 0.2 s later `complete` records that onboarding is done (at once on disk), closes the flow
// in its host, announces "onboardingDidComplete" and hides the settings window, and 0.35 s
// after that "showMenuBarHandoff" points the user at the tray. Presses after the first are
// ignored. Closing the window while the flow waits for the user on a first run (the runtime
// not running) ends the application: without the flow's end there would be no timer and no
// tray icon. Main thread only.
//
// A page that appears while the flow has the keyboard takes the focus on its first group's
// choice, where a screen reader says the page's heading and subtitle and the group's
// question; the welcome page, which has no control of its own, has "Next" described by its
// title and tagline.
class OnboardingView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int totalSteps = 3;
    static constexpr double entranceDelaySeconds = 0.1;
    static constexpr double entranceSeconds = 0.7;
    static constexpr double iconBounceDelaySeconds = 0.4;
    static constexpr double pageFadeSeconds = 0.22;
    static constexpr double finishFadeSeconds = 0.2;
    static constexpr double handoffDelaySeconds = 0.35;

    // `dismiss` closes the flow in its host.
    OnboardingView(OnboardingServices services, std::function<void()> dismiss, QWidget *parent = nullptr);
    ~OnboardingView() override;

    int step() const { return m_step; }
    OnboardingState &state() const { return *m_state; }
    // From the last press until the flow has closed.
    bool isFinishing() const { return m_finishing; }
    qreal contentOpacity() const;

    void goBack();
    void goNext();

    OnboardingWelcomeStep *welcomeStep() const { return m_welcome; }
    OnboardingRhythmStep *rhythmStep() const { return m_rhythm; }
    OnboardingPreferencesStep *preferencesStep() const { return m_preferences; }
    OnboardingNavigationBar *navigationBar() const { return m_navigation; }
    QScrollArea *pageArea() const { return m_pageArea; }

signals:
    void stepChanged(int step);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildPageArea();
    void buildNavigationBar();
    // Drawn for the pixel ratio of what is painted on (a screen, or an image being rendered).
    const QImage &backdrop(qreal devicePixelRatio);
    OnboardingPage *page(int step) const;
    void showStep(int step);
    void enterPage(bool byKeyboard);
    void animateBackOpacity(double response, double damping);
    void startEntrance();
    void setContentOpacity(qreal opacity);
    void finish();
    void complete();
    void windowClosing();

    OnboardingServices m_services;
    std::function<void()> m_dismiss;
    OnboardingState *m_state;
    OnboardingBackground m_background;
    QScrollArea *m_pageArea = nullptr;
    QStackedLayout *m_pages = nullptr;
    OnboardingWelcomeStep *m_welcome = nullptr;
    OnboardingRhythmStep *m_rhythm = nullptr;
    OnboardingPreferencesStep *m_preferences = nullptr;
    OnboardingNavigationBar *m_navigation = nullptr;
    OnboardingVeil *m_veil = nullptr;
    QPointer<QWidget> m_watchedWindow;
    CancellableHandle m_completion;
    int m_step = 0;
    bool m_entranceStarted = false;
    bool m_finishing = false;
};

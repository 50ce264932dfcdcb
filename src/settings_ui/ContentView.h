#pragma once

#include "settings_ui/ContentServices.h"

#include <QPointer>
#include <QWidget>

// The settings window's root: one for the whole run, built at the window's first show. It
// dresses the window in our palette for the scheme in effect and, while showOnboarding is
// true, lays the first-run flow over its whole content, fading it in and out. The flag
// starts as the negation of "hasCompletedOnboarding", read once when the view is built; the
// flow clears it when it finishes, and "showOnboarding" sets it again. Main thread only.
class ContentView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool showOnboarding READ showOnboarding WRITE setShowOnboarding
                   NOTIFY showOnboardingChanged)

public:
    static constexpr double overlayFadeSeconds = 0.25;

    explicit ContentView(ContentServices services, QWidget *parent = nullptr);

    bool showOnboarding() const { return m_showOnboarding; }
    void setShowOnboarding(bool show);

    // The flow while it is shown, else null.
    QWidget *onboarding() const { return m_onboarding; }
    // What lies under the flow: the window's own content.
    QWidget *shell() const { return m_shell; }

signals:
    void showOnboardingChanged(bool showOnboarding);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void presentOnboarding();
    void removeOnboarding();

    ContentServices m_services;
    QWidget *m_shell;
    QPointer<QWidget> m_onboarding;
    bool m_showOnboarding = false;
};

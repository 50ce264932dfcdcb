#pragma once

#include "settings_ui/window/ContentServices.h"
#include "settings_ui/window/SidebarSection.h"

#include <QPointer>
#include <QWidget>

class DetailView;
class FadeStack;
class SettingsSidebar;

// The settings window's root: one for the whole run, built at the window's first show. It
// dresses the window in our palette for the scheme in effect and shows the sidebar beside
// the detail area of the selected section, which starts as Breaks and lives as long as the
// view (a reopened window shows the section last chosen). Each choice of another section
// replaces the detail area with a fresh one, cross-faded; choosing the selected one changes
// nothing.
//
// While showOnboarding is true it lays the first-run flow over its whole content, fading it
// in and out, and hides the content beneath meanwhile. The flag starts as the negation of
// "hasCompletedOnboarding", read once when the view is built; the flow clears it when it
// finishes, and "showOnboarding" sets it again. When the window hides, pending debounced
// saves under it run and its animations land, so nothing of it keeps running. Main thread
// only.
class ContentView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool showOnboarding READ showOnboarding WRITE setShowOnboarding
                   NOTIFY showOnboardingChanged)

public:
    static constexpr double overlayFadeSeconds = 0.25;
    static constexpr double sectionFadeSeconds = 0.12;
    static constexpr int minimumWidth = 880;
    static constexpr int minimumHeight = 500;

    explicit ContentView(ContentServices services, QWidget *parent = nullptr);

    bool showOnboarding() const { return m_showOnboarding; }
    void setShowOnboarding(bool show);

    // The flow while it is shown, else null.
    QWidget *onboarding() const { return m_onboarding; }
    // What lies under the flow: the window's own content.
    QWidget *shell() const { return m_shell; }
    SettingsSidebar *sidebar() const { return m_sidebar; }

    SidebarSection selectedSection() const { return m_selectedSection; }
    void setSelectedSection(SidebarSection section);
    // The detail area of the selected section.
    DetailView *detail() const;

signals:
    void showOnboardingChanged(bool showOnboarding);
    void selectedSectionChanged(SidebarSection section);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildShell();
    void showDetail();
    void presentOnboarding();
    void removeOnboarding();
    void settleAnimations();

    ContentServices m_services;
    QWidget *m_shell;
    SettingsSidebar *m_sidebar = nullptr;
    FadeStack *m_details = nullptr;
    SidebarSection m_selectedSection = SidebarSection::breaks;
    QPointer<QWidget> m_onboarding;
    bool m_showOnboarding = false;
};

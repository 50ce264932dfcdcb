#pragma once

#include "breakscreen/BreakScreenServices.h"
#include "breakscreen/PanelRaiseLimit.h"
#include "core/Cancellable.h"

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class ActivationController;
class BreakPanel;
class BreakScreenConfig;
class QScreen;
class QWindow;

// Puts a break on every screen and takes it down again: one panel per screen, the break
// overlay on the primary one and the quiet secondary view on the others. While the panels
// are up it keeps them in front and holding the keyboard against other windows (activated,
// mapped or raised over them) and screen changes, but never over a locked or sleeping
// session; it fades them in and out, enters and leaves break mode, and reports the outcome
// once the panels have gone. It also shows the customizer's single-screen preview. Main
// thread only.
//
// Idle: no panels, not dismissing. Showing: panels up. Dismissing: the panels are fading
// out; they no longer count as up, but no new break may start until they have closed.
class BreakWindowController : public QObject
{
    Q_OBJECT

public:
    static constexpr int fadeInSteps = 30;
    static constexpr double fadeInStepSeconds = 1.0 / 30.0;
    static constexpr int fadeOutSteps = 18;
    static constexpr double fadeOutStepSeconds = 1.0 / 60.0;
    // Focus is taken back at once and twice more: window managers and other applications
    // often hand focus on a moment after the event that made us lose it.
    static constexpr double reassertionDelaysSeconds[] = {0.0, 0.15, 0.45};

    explicit BreakWindowController(BreakScreenServices services, QObject *parent = nullptr);
    ~BreakWindowController() override;

    QList<BreakPanel *> panels() const;
    bool isDismissing() const { return m_isDismissing; }
    // Panels up or fading out.
    bool isShowingBreak() const { return !m_panels.empty() || m_isDismissing; }
    BreakPanel *previewPanel() const { return m_previewPanel.get(); }
    bool sessionAllowsReassertion() const { return m_sessionAllowsReassertion; }

    void setActivationController(ActivationController *controller);
    // After the fade-out, before "breakDidHide".
    void setOnBreakDismissed(std::function<void(const BreakDismissalOutcome &)> handler);
    void setOnPreviewDismissed(std::function<void()> handler);

    // False while a break is up or fading out, and when there is no screen.
    bool showBreak(bool isLong);
    // Starts the fade-out; false when no break is up or it is already going.
    bool dismiss(const BreakDismissalOutcome &outcome);
    // The overlay's way out.
    void requestDismissal(const BreakDismissalOutcome &outcome);

    // The break screen under the pointer for a few seconds (at least one), without break
    // mode, fades or sound; refused while a break is up.
    bool showPreview(std::shared_ptr<BreakScreenConfig> config, int durationSeconds);
    void closePreview();

    // One panel per screen again after screens came, went or moved; the overlay stays on the
    // first panel, which moves to whatever screen is first now.
    void rebuildPanels();

private:
    std::unique_ptr<BreakPanel> makeOverlayPanel(QScreen *screen, bool isLong);
    std::unique_ptr<BreakPanel> makeSecondaryPanel(QScreen *screen);
    void startFadeIn();
    void fadeInStep();
    void startFadeOut(const BreakDismissalOutcome &outcome);
    void fadeOutStep();
    void finishFadeOut();

    // Focus (BreakWindowControllerFocus.cpp)
    void installFocusObservers();
    void installSessionObservers();
    void removeFocusObservers();
    void watchScreen(QScreen *screen);
    void onFocusWindowChanged(QWindow *window);
    void watchStacking();
    void onPanelsCovered(quint64 window);
    void suspendForSession();
    void resumeForSession();
    bool holdsFocus() const;
    void applyKeyboardHold();
    void reassertFocus(bool makeKey);
    void scheduleFocusReassertions();
    void reassertFocusIfAllowed();
    void cancelFocusReassertions();
    void schedulePreviewReassertions();
    void reassertPreviewFocus();

    BreakScreenServices m_services;
    std::vector<std::unique_ptr<BreakPanel>> m_panels;
    std::vector<std::unique_ptr<BreakPanel>> m_fadingPanels;
    std::unique_ptr<BreakPanel> m_previewPanel;
    CancellableHandle m_previewDismiss;
    std::vector<CancellableHandle> m_previewReassertions;
    bool m_isDismissing = false;
    QList<QMetaObject::Connection> m_focusObservers;
    std::vector<CancellableHandle> m_reassertions;
    bool m_sessionAllowsReassertion = true;
    PanelRaiseLimit m_raiseLimit;
    std::shared_ptr<BreakScreenConfig> m_activeConfig;
    std::function<void(const BreakDismissalOutcome &)> m_onBreakDismissed;
    std::function<void()> m_onPreviewDismissed;
    QPointer<ActivationController> m_activationController;

    CancellableHandle m_fadeIn;
    int m_fadeInStep = 0;
    CancellableHandle m_fadeOut;
    int m_fadeOutStep = 0;
    std::optional<BreakDismissalOutcome> m_fadingOutcome;
};

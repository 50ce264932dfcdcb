#pragma once

#include "breakscreen/ActivationController.h"
#include "breakscreen/BreakScreenConfig.h"
#include "breakscreen/BreakScreenServices.h"
#include "breakscreen/WindowManager.h"
#include "core/AppNotifier.h"
#include "core/AppState.h"
#include "support/FakeClock.h"
#include "support/FakeDisplayStateProvider.h"
#include "support/FakePanelStackingMonitor.h"
#include "support/FakeSessionEvents.h"
#include "support/LogCapture.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class QScreen;

// A view standing in for the break overlay: it keeps what it was built with, so a test can
// report the outcome the real overlay would.
class RecordingOverlayView : public QWidget
{
    Q_OBJECT

public:
    RecordingOverlayView(bool isLongBreak, BreakOverlayMode mode,
                         BreakPanelContent::OutcomeReceiver onDismissBreak);

    void report(const BreakDismissalOutcome &outcome) { m_onDismissBreak(outcome); }

    const bool isLongBreak;
    const BreakOverlayMode mode;
    // The configuration the overlay was built on, while it lives.
    QPointer<BreakScreenConfig> config;

private:
    BreakPanelContent::OutcomeReceiver m_onDismissBreak;
};

// A window manager and the break screen on a fake clock, fake session events and display,
// a notifier of their own and views that record; every screen is the one screen of the
// offscreen platform, as often as `screenCount` says. What the break screen tells the rest of
// the application lands in `timeline`, in order: "clearNotices", "sound", "outcome <kind>",
// "breakWillShow", "breakDidHide", and "state <phase>" for every application-state change.
struct BreakScreenRig
{
    // How things stood when the outcome was handed on.
    struct AtOutcome
    {
        int visiblePanels = 0;
        bool inBreakMode = false;
        bool dismissing = false;
        std::optional<qint64> scheduledDuration;
    };

    BreakScreenRig();
    ~BreakScreenRig();

    // The break as the break timer presents it, published window manager and all.
    bool presentBreak(bool isLong = false);
    // The overlay of the break (or preview) on screen; null when none.
    RecordingOverlayView *overlay() const;
    // Runs the fade-out to its end.
    void finishFadeOut();
    AtOutcome snapshot();
    // Runs deferred deletions, as the event loop would.
    static void flushDeletions();

    LogCapture log;
    FakeClock clock;
    FakeSessionEvents session;
    FakeDisplayStateProvider display;
    FakePanelStackingMonitor stacking;
    AppNotifier notifier;
    AppStateStore appState;
    ActivationController activation{appState};
    int screenCount = 1;
    bool screenLocked = false;
    QString enforcement = QStringLiteral("Casual");
    QStringList timeline;
    std::optional<AtOutcome> atOutcome;
    QList<QPointer<RecordingOverlayView>> overlays;
    WindowManager windows;
};

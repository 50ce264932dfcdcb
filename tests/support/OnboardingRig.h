#pragma once

#include "breakscreen/ActivationController.h"
#include "breakscreen/SettingsWindowController.h"
#include "core/AppNotifier.h"
#include "core/AppSettings.h"
#include "core/AppState.h"
#include "core/FileSettingsRepository.h"
#include "core/ThemeManager.h"
#include "support/BreakSchedulerRig.h"
#include "support/FakeClock.h"
#include "support/LogCapture.h"

#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>

class ContentView;
class OnboardingView;
class QAbstractButton;

// The settings window as the application makes it on a first run, on a settings file in a
// temporary folder and a fake clock: its content view with the first-run flow over it. What
// the flow hands on lands in `timeline`, in order and stamped with the seconds since the
// rig was made: "onboardingDidComplete", "showMenuBarHandoff", "launchAtLogin <bool>",
// "pauseDuringMeetings <bool>", "quit", and "state <phase>" for every application-state
// change. Every animation jumps to its end while the rig lives.
struct OnboardingRig
{
    // `stored` is written to the settings file before anything reads it.
    explicit OnboardingRig(const QVariantMap &stored = {});
    ~OnboardingRig();

    // Shows the settings window, as the launch coordinator does on a first run.
    void showWindow();
    ContentView *content() const;
    // The flow on screen; null when none.
    OnboardingView *flow() const;
    QAbstractButton *button(const QString &objectName) const;
    void click(const QString &objectName);
    // The settings file as it is on disk (empty when there is none).
    QVariantMap file() const;
    QWidget *window() const { return settingsWindow.window(); }
    // Runs the clock on and the deferred deletions, as the event loop would.
    void advance(double seconds);

    // Before the log: the break timer's rig captures the log while it is made, and this
    // rig's own capture is to be the one in place afterwards.
    BreakSchedulerRig timer;
    QTemporaryDir folder;
    LogCapture log;
    FakeClock clock;
    FileSettingsRepository store;
    AppSettings settings{store, clock};
    AppNotifier notifier;
    ThemeManager theme{store, nullptr};
    AppStateStore appState;
    ActivationController activation{appState};
    SettingsWindowController settingsWindow{activation, appState};
    bool runtimeRunning = false;
    QStringList timeline;

private:
    void record(const QString &event);
    QDateTime m_start;
};

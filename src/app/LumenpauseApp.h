#pragma once

#include "app/AppDelegate.h"

#include <QApplication>

#include <memory>
#include <optional>

class SingleInstanceGuard;
class UnixSignalWatcher;
class UpdateResultDialog;

// The application as a whole: the Qt application object, a tray application that keeps
// running with no window open, one copy per user, the process-wide services, and the
// delegate that builds the controllers once the event loop runs.
class LumenpauseApp
{
public:
    LumenpauseApp(int &argc, char **argv);
    ~LumenpauseApp();

    // Runs until the application quits, then saves what is pending and ends the process with
    // the loop's status, past the libraries' teardown (endProcess). Returns at once with 0
    // when another copy already runs, and with 1 when there is no home folder, no display to
    // show breaks on or no room for the threads it holds.
    int exec();

    // Its controllers exist once the event loop has started.
    AppDelegate &delegate() { return m_delegate; }

    // Writes whatever the settings and statistics stores still hold, on every way out of the
    // process: a quit, a signal, and the toolkit ending it when the display goes away.
    void persistPendingWrites();

private:
    static void prepareProcess();
    // Tells the user why the application cannot run; exec() then returns 1.
    void printEarlyExit(const QString &message);
    void configureApplication();
    // False when another copy runs; it has then been asked to reopen.
    bool claimSingleInstance();
    void buildServices();
    void connectTermination();
    void handleReopenRequest();

    // Built only once a display is known to open: Qt aborts without one.
    std::optional<QApplication> m_application;
    AppDelegate m_delegate;
    std::unique_ptr<SingleInstanceGuard> m_instanceGuard;
    std::unique_ptr<UpdateResultDialog> m_updateResultDialog;
    std::unique_ptr<UnixSignalWatcher> m_terminationSignals;
    std::optional<int> m_earlyExitStatus;
};

#pragma once

#include "app/AppDelegate.h"

#include <QApplication>

#include <memory>

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

    // Runs until the application quits; at once with 0 when another copy already runs.
    int exec();

    // Its controllers exist once the event loop has started.
    AppDelegate &delegate() { return m_delegate; }

private:
    void configureApplication();
    // False when another copy runs; it has then been asked to reopen.
    bool claimSingleInstance();
    void buildServices();
    void connectTermination();
    void handleReopenRequest();

    QApplication m_application;
    AppDelegate m_delegate;
    std::unique_ptr<SingleInstanceGuard> m_instanceGuard;
    std::unique_ptr<UpdateResultDialog> m_updateResultDialog;
    std::unique_ptr<UnixSignalWatcher> m_terminationSignals;
    bool m_anotherCopyRuns = false;
};

#include "app/LumenpauseApp.h"

#include "app/PlatformBackends.h"
#include "core/AppServices.h"
#include "core/FileSettingsRepository.h"
#include "core/InfoDictionary.h"
#include "core/Logger.h"
#include "core/ThemeManager.h"
#include "core/UpdateService.h"
#include "detection/MeetingSignalMonitor.h"
#include "menubar/UpdateResultDialog.h"
#include "platform/linux/JournalLogSink.h"
#include "platform/linux/PortalDesktopAppearance.h"
#include "platform/linux/SingleInstanceGuard.h"
#include "platform/linux/UnixSignalWatcher.h"

#include <QDBusConnection>
#include <QWindow>

#include <algorithm>

#include <csignal>

namespace {

const QString category = QStringLiteral("Launch");
constexpr std::chrono::milliseconds kSignalQueueShutdownBound{1000};

bool hasVisibleTopLevelWindow()
{
    const QWindowList windows = QGuiApplication::topLevelWindows();
    return std::any_of(windows.cbegin(), windows.cend(),
                       [](const QWindow *window) { return window->isVisible(); });
}

} // namespace

LumenpauseApp::LumenpauseApp(int &argc, char **argv)
    : m_application(argc, argv)
{
    configureApplication();
    if (!claimSingleInstance()) {
        m_anotherCopyRuns = true;
        return;
    }
    buildServices();
    connectTermination();
}

LumenpauseApp::~LumenpauseApp() = default;

int LumenpauseApp::exec()
{
    if (m_anotherCopyRuns)
        return 0;
    // The controllers are built once the event loop runs, as the first thing it does.
    QMetaObject::invokeMethod(&m_delegate, &AppDelegate::applicationDidFinishLaunching,
                              Qt::QueuedConnection);
    const int status = QApplication::exec();
    // The one wait on the activity-signal queue: its connections close in order, unless it
    // is stuck, which must not keep the process from ending.
    MeetingSignalMonitor::shutdownShared(kSignalQueueShutdownBound);
    return status;
}

void LumenpauseApp::configureApplication()
{
    QApplication::setApplicationName(QStringLiteral("lumenpause"));
    QApplication::setApplicationDisplayName(resolveAppDisplayName());
    QApplication::setDesktopFileName(appBundleIdentifier());
    if (auto version = readInfoPlistString(QStringLiteral("CFBundleShortVersionString")))
        QApplication::setApplicationVersion(*version);
    // A tray application: closing its last window does not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    setLogSink(std::make_shared<JournalLogSink>());
}

bool LumenpauseApp::claimSingleInstance()
{
    m_instanceGuard = std::make_unique<SingleInstanceGuard>(SingleInstanceGuard::standardLockPath());
    const QDBusConnection bus = QDBusConnection::sessionBus();
    // A lock that cannot be made at all is no sign of another copy: run rather than leave
    // the user without breaks.
    if (m_instanceGuard->acquireLock() != SingleInstanceGuard::LockResult::heldElsewhere) {
        if (m_instanceGuard->listenForReopen(bus))
            QObject::connect(m_instanceGuard.get(), &SingleInstanceGuard::reopenRequested,
                             &m_delegate, [this] { handleReopenRequest(); });
        return true;
    }
    const bool reopened = SingleInstanceGuard::requestReopen(bus);
    logInfo(category, formatLogEvent(QStringLiteral("already_running"),
                                     {{QStringLiteral("reopenRequested"),
                                       formatBoolForLog(reopened)}}));
    return false;
}

void LumenpauseApp::buildServices()
{
    // Before any scheduler exists, and with the event loop's object in place for the X socket.
    installSystemProviders();
    // "System" theme follows the desktop's light or dark preference.
    ThemeManager::setSharedAppearance(new PortalDesktopAppearance(&m_application));

    AppServices &services = AppServices::shared();
    services.validateDistribution();
    // Every check is one the user asked for, so every outcome is shown to them.
    m_updateResultDialog = std::make_unique<UpdateResultDialog>();
    QObject::connect(&services.distribution().updateService(), &UpdateService::checkFinished,
                     m_updateResultDialog.get(), &UpdateResultDialog::showResult);
}

void LumenpauseApp::connectTermination()
{
    // The session ending the process and Ctrl-C end the event loop outright: quit() would
    // first ask every window to close, and a window that refuses (a break panel) would keep
    // the process alive against the session's will. The termination below runs either way.
    m_terminationSignals =
        std::make_unique<UnixSignalWatcher>(std::initializer_list<int>{SIGTERM, SIGINT});
    QObject::connect(m_terminationSignals.get(), &UnixSignalWatcher::signalReceived,
                     &m_application, [] { QCoreApplication::exit(0); });

    QObject::connect(&m_application, &QCoreApplication::aboutToQuit, &m_delegate, [this] {
        m_delegate.applicationWillTerminate();
        // Settings are written a moment after they change; whatever is still waiting,
        // including what stopping the services just wrote, goes to disk before the process
        // ends. A run that never touched settings does not create them.
        if (FileSettingsRepository::isStandardCreated())
            FileSettingsRepository::standard().flush();
    });
}

void LumenpauseApp::handleReopenRequest()
{
    const bool hasVisibleWindows = hasVisibleTopLevelWindow();
    logInfo(category, formatLogEvent(QStringLiteral("reopen_requested"),
                                     {{QStringLiteral("hasVisibleWindows"),
                                       formatBoolForLog(hasVisibleWindows)}}));
    m_delegate.applicationShouldHandleReopen(hasVisibleWindows);
}

#include "app/LumenpauseApp.h"

#include "app/ApplicationAccessible.h"
#include "app/MemoryUpkeep.h"
#include "app/PlatformBackends.h"
#include "app/UserFolderSetup.h"
#include "app/WorkerThreadReserve.h"
#include "core/AppIcon.h"
#include "core/AppServices.h"
#include "core/FileSettingsRepository.h"
#include "core/InfoDictionary.h"
#include "core/LocalStatisticsStore.h"
#include "core/Logger.h"
#include "core/QtMessageRouting.h"
#include "core/ThemeManager.h"
#include "core/UpdateService.h"
#include "detection/MeetingSignalMonitor.h"
#include "detection/WellnessScheduler.h"
#include "menubar/UpdateResultDialog.h"
#include "platform/linux/BrokenPipeSignal.h"
#include "platform/linux/GraphicalSessionProbe.h"
#include "platform/linux/JournalLogSink.h"
#include "platform/linux/PortalDesktopAppearance.h"
#include "platform/linux/ProcessEnd.h"
#include "platform/linux/SingleInstanceGuard.h"
#include "platform/linux/StandardDescriptors.h"
#include "platform/linux/ThreadHeadroomProbe.h"
#include "platform/linux/UnixSignalWatcher.h"
#include "settings_ui/components/ReducedMotion.h"

#include <QDBusConnection>
#include <QThread>
#include <QThreadPool>
#include <QWindow>

#include <algorithm>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

const QString category = QStringLiteral("Launch");
constexpr std::chrono::milliseconds kSignalQueueShutdownBound{1000};

LumenpauseApp *runningApp = nullptr;

// The threads the application holds at its busiest, beside the main thread and the worker
// reserve: Qt's X event reader and D-Bus connection thread, the log's two queues, the
// activity signals' queue and their evaluation, and the sound system's two; and one for a
// thread that has ended but still counts while the next one starts.
constexpr int threadsBesideReserve = 9;

int heldThreadCount()
{
    return threadsBesideReserve + WorkerThreadReserve::threadCount();
}

// Qt ends the process with exit() when its display connection breaks, past the event loop
// and every quit handler; what the stores hold must reach the disk all the same.
void persistAtExit()
{
    if (runningApp)
        runningApp->persistPendingWrites();
}

bool hasVisibleTopLevelWindow()
{
    const QWindowList windows = QGuiApplication::topLevelWindows();
    return std::any_of(windows.cbegin(), windows.cend(),
                       [](const QWindow *window) { return window->isVisible(); });
}

} // namespace

LumenpauseApp::LumenpauseApp(int &argc, char **argv)
{
    prepareProcess();
    // Before anything logs or Qt starts a thread of its own, so that none of them can fail.
    if (const int threads = heldThreadCount(); !ThreadHeadroomProbe::canHold(threads)) {
        printEarlyExit(ThreadHeadroomProbe::missingThreadsMessage(threads));
        return;
    }
    // Before anything reads a folder: with no home, the settings would land at the root.
    const UserFolderSetup folders = UserFolderSetup::settle();
    if (!folders.hasHome()) {
        printEarlyExit(folders.missingHomeMessage());
        return;
    }
    if (!GraphicalSessionProbe::canOpenDisplay(argc, argv)) {
        printEarlyExit(GraphicalSessionProbe::missingDisplayMessage());
        return;
    }
    m_application.emplace(argc, argv);
    configureApplication();
    folders.logRepairs();
    if (!claimSingleInstance()) {
        m_earlyExitStatus = 0;
        return;
    }
    buildServices();
    connectTermination();
}

LumenpauseApp::~LumenpauseApp()
{
    if (runningApp == this)
        runningApp = nullptr;
}

int LumenpauseApp::exec()
{
    if (m_earlyExitStatus)
        return *m_earlyExitStatus;
    // The controllers are built once the event loop runs, as the first thing it does.
    QMetaObject::invokeMethod(&m_delegate, &AppDelegate::applicationDidFinishLaunching,
                              Qt::QueuedConnection);
    const int status = QApplication::exec();
    // The one wait on the activity-signal queue: its connections close in order, unless it
    // is stuck, which must not keep the process from ending. With no more snapshots coming,
    // the way back to the main thread closes before the application object goes.
    MeetingSignalMonitor::shutdownShared(kSignalQueueShutdownBound);
    WellnessScheduler::shutdownShared();
    persistPendingWrites();
    endProcess(status);
}

void LumenpauseApp::persistPendingWrites()
{
    if (FileSettingsRepository::isStandardCreated())
        FileSettingsRepository::standard().flush();
    // The statistics store belongs to the main thread; from anywhere else it is left alone.
    if (LocalStatisticsStore::isSharedCreated() && m_application
        && QThread::currentThread() == m_application->thread()) {
        LocalStatisticsStore::shared().flush();
    }
}

// Before anything can log or the toolkit can print: a closed standard error must not end the
// process nor take the next file's number, and Qt's own messages belong in the log.
void LumenpauseApp::prepareProcess()
{
    fillClosedStandardDescriptors();
    ignoreBrokenPipeSignal();
    routeQtMessagesToLog();
}

void LumenpauseApp::printEarlyExit(const QString &message)
{
    const QByteArray line = message.toLocal8Bit();
    std::fprintf(stderr, "%s\n", line.constData());
    m_earlyExitStatus = 1;
}

void LumenpauseApp::configureApplication()
{
    // Before the accessibility bus first asks for the root, which it does once the event
    // loop runs.
    ApplicationAccessible::install();
    QApplication::setApplicationName(QStringLiteral("lumenpause"));
    QApplication::setApplicationDisplayName(resolveAppDisplayName());
    QApplication::setDesktopFileName(appBundleIdentifier());
    // Every window of ours shows the application's own icon, whatever the icon theme.
    QApplication::setWindowIcon(AppIcon::icon());
    if (auto version = readInfoPlistString(QStringLiteral("CFBundleShortVersionString")))
        QApplication::setApplicationVersion(*version);
    // A tray application: closing its last window does not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    setLogSink(std::make_shared<JournalLogSink>());
}

bool LumenpauseApp::claimSingleInstance()
{
    m_instanceGuard = std::make_unique<SingleInstanceGuard>(SingleInstanceGuard::standardLockPaths());
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (m_instanceGuard->claim(bus) == SingleInstanceGuard::Claim::firstCopy) {
        if (m_instanceGuard->busProblem().isEmpty())
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
    // While threads can still be started: a break must not wait on one that cannot. After
    // the bus's connection thread, which the first call to the bus waits for for ever.
    WorkerThreadReserve::keep(*QThreadPool::globalInstance());
    // Before any scheduler exists, and with the event loop's object in place for the X socket.
    installSystemProviders();
    MemoryUpkeep::startShared();
    // "System" theme follows the desktop's light or dark preference, and the settings
    // window's motion the desktop's switch for animations.
    auto *appearance = new PortalDesktopAppearance(&*m_application);
    ThemeManager::setSharedAppearance(appearance);
    new ReducedMotion(*appearance, appearance);

    AppServices &services = AppServices::shared();
    services.validateDistribution();
    // Every check is one the user asked for, so every outcome is shown to them.
    m_updateResultDialog = std::make_unique<UpdateResultDialog>(ThemeManager::shared());
    QObject::connect(&services.distribution().updateService(), &UpdateService::checkFinished,
                     m_updateResultDialog.get(), &UpdateResultDialog::showResult);
}

void LumenpauseApp::connectTermination()
{
    // The session ending the process, Ctrl-C and the terminal that started it closing
    // (SIGHUP) end the event loop outright: quit() would first ask every window to close, and
    // a window that refuses (a break panel) would keep the process alive against the
    // session's will. The termination below runs either way.
    m_terminationSignals = std::make_unique<UnixSignalWatcher>(
        std::initializer_list<int>{SIGTERM, SIGINT, SIGHUP});
    QObject::connect(m_terminationSignals.get(), &UnixSignalWatcher::signalReceived,
                     &*m_application, [] { QCoreApplication::exit(0); });

    QObject::connect(&*m_application, &QCoreApplication::aboutToQuit, &m_delegate, [this] {
        m_delegate.applicationWillTerminate();
        // Settings are written a moment after they change; whatever is still waiting,
        // including what stopping the services just wrote, goes to disk before the process
        // ends. A run that never touched settings does not create them.
        persistPendingWrites();
    });

    runningApp = this;
    static const bool exitHookInstalled = std::atexit(persistAtExit) == 0;
    Q_UNUSED(exitHookInstalled);
}

void LumenpauseApp::handleReopenRequest()
{
    const bool hasVisibleWindows = hasVisibleTopLevelWindow();
    logInfo(category, formatLogEvent(QStringLiteral("reopen_requested"),
                                     {{QStringLiteral("hasVisibleWindows"),
                                       formatBoolForLog(hasVisibleWindows)}}));
    m_delegate.applicationShouldHandleReopen(hasVisibleWindows);
}

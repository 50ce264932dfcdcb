#include "app/PlatformBackends.h"
#include "core/AppServices.h"
#include "core/FileSettingsRepository.h"
#include "core/InfoDictionary.h"
#include "core/Logger.h"
#include "core/ThemeManager.h"
#include "core/UpdateService.h"
#include "menubar/UpdateResultDialog.h"
#include "platform/linux/JournalLogSink.h"
#include "platform/linux/PortalDesktopAppearance.h"
#include "platform/linux/UnixSignalWatcher.h"

#include <QApplication>

#include <csignal>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lumenpause"));
    QApplication::setApplicationDisplayName(resolveAppDisplayName());
    QApplication::setDesktopFileName(appBundleIdentifier());
    if (auto version = readInfoPlistString(QStringLiteral("CFBundleShortVersionString")))
        QApplication::setApplicationVersion(*version);
    // A tray application: closing its last window does not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    setLogSink(std::make_shared<JournalLogSink>());
    // Before any scheduler exists, and with the event loop's object in place for the X socket.
    installSystemProviders();

    // "System" theme follows the desktop's light or dark preference.
    ThemeManager::setSharedAppearance(new PortalDesktopAppearance(&app));

    AppServices &services = AppServices::shared();
    services.validateDistribution();
    // Every check is one the user asked for, so every outcome is shown to them.
    UpdateResultDialog updateResultDialog;
    QObject::connect(&services.distribution().updateService(), &UpdateService::checkFinished,
                     &updateResultDialog, &UpdateResultDialog::showResult);

    UnixSignalWatcher terminationSignals({SIGTERM, SIGINT});
    QObject::connect(&terminationSignals, &UnixSignalWatcher::signalReceived, &app,
                     [] { QCoreApplication::quit(); });

    // Settings are written a moment after they change; whatever is still waiting goes to
    // disk before the process ends. A run that never touched settings does not create them.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [] {
        if (FileSettingsRepository::isStandardCreated())
            FileSettingsRepository::standard().flush();
    });

    return QApplication::exec();
}

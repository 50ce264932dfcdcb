#include "core/InfoDictionary.h"
#include "core/Logger.h"
#include "platform/linux/JournalLogSink.h"
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

    UnixSignalWatcher terminationSignals({SIGTERM, SIGINT});
    QObject::connect(&terminationSignals, &UnixSignalWatcher::signalReceived, &app,
                     [] { QCoreApplication::quit(); });

    return QApplication::exec();
}

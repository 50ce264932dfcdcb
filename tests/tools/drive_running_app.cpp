// The real application, driven line by line from standard input as its tray menu and settings
// window would drive it:
//   "break"             takes a break now;
//   "set <key> <value>" assigns an integer setting, whose write then waits its delay.
// Each command is answered by a log line "driver: <command> done".
//
// Usage: drive_running_app (in the environment the application is to use)

#include "app/LumenpauseApp.h"
#include "core/AppSettings.h"
#include "core/Logger.h"
#include "scheduling/BreakScheduler.h"

#include <QSocketNotifier>

#include <unistd.h>

namespace {

void run(const QByteArray &command)
{
    const QList<QByteArray> words = command.simplified().split(' ');
    if (words.value(0) == "break")
        BreakScheduler::shared().takeBreakNow();
    else if (words.value(0) == "set" && words.size() == 3)
        AppSettings::shared().setProperty(words[1].constData(), words[2].toLongLong());
    else
        return;
    logInfo(QStringLiteral("Driver"),
            QStringLiteral("driver: %1 done").arg(QString::fromUtf8(command.simplified())));
}

} // namespace

int main(int argc, char **argv)
{
    LumenpauseApp app(argc, argv);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, &input, [&input, &pending] {
        char buffer[256];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0) { // the test is gone: nothing more will come
            input.setEnabled(false);
            return;
        }
        pending += QByteArray(buffer, int(count));
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            run(pending.left(end));
            pending.remove(0, end + 1);
        }
    });
    return app.exec();
}

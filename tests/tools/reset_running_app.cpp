// The real application, whose factory reset starts when a line "reset" arrives on standard
// input, as the settings window's reset action will start it: on the running application's
// launch coordinator, with its settings, files and login item. A reset that stops prints
// "Reset failed: " and the reason on standard error, and the application keeps running; one
// that succeeds ends the application.
//
// Usage: reset_running_app (in the environment the application is to use)

#include "app/LaunchCoordinator.h"
#include "app/LumenpauseApp.h"
#include "core/FactoryReset.h"

#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

int main(int argc, char **argv)
{
    LumenpauseApp app(argc, argv);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &input, [&app, &input] {
        char buffer[256];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0) { // the test is gone: nothing more will come
            input.setEnabled(false);
            return;
        }
        if (!QByteArray(buffer, int(count)).contains("reset"))
            return;
        LaunchCoordinator *launch = app.delegate().launchCoordinator();
        if (!launch) {
            std::fprintf(stderr, "reset_running_app: not launched yet\n");
            return;
        }
        FactoryReset reset(FactoryResetContext::forApplication(*launch));
        if (const auto error = reset.perform()) {
            std::fprintf(stderr, "%s\n", qPrintable(FactoryReset::failureMessage(*error)));
            std::fflush(stderr);
        }
    });
    return app.exec();
}

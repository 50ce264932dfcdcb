// The real application, whose factory reset starts when a line "reset" arrives on standard
// input, the way a user starts it: the settings window opens on the Advanced pane, its reset
// button is pressed and "Reset and Quit" chosen in the question that follows. The reset runs
// on the running application's launch coordinator, with its settings, files and login item.
// A reset that stops shows why under the button, and that text is printed on standard error
// ("Reset failed: " and the reason) while the application keeps running; one that succeeds
// ends the application.
//
// Usage: reset_running_app (in the environment the application is to use)

#include "app/LumenpauseApp.h"
#include "breakscreen/WindowManager.h"
#include "settings_ui/panes/app/AdvancedDetailView.h"
#include "settings_ui/window/ContentView.h"
#include "settings_ui/window/DetailView.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

namespace {

void fail(const char *why)
{
    std::fprintf(stderr, "reset_running_app: %s\n", why);
    std::fflush(stderr);
}

// What the pane shows under its button once the reset is over.
void reportOutcome(AdvancedDetailView *pane)
{
    auto *error = pane->findChild<QWidget *>(QStringLiteral("factoryReset.error"));
    if (!error || error->isHidden())
        return;
    if (auto *text = error->findChild<QLabel *>()) {
        std::fprintf(stderr, "%s\n", qPrintable(text->text()));
        std::fflush(stderr);
    }
}

void resetThroughTheSettingsWindow()
{
    WindowManager *windows = WindowManager::shared();
    if (!windows)
        return fail("not launched yet");
    windows->settingsController().show();
    auto *content = qobject_cast<ContentView *>(windows->settingsController().content());
    if (!content)
        return fail("no settings window");
    content->setSelectedSection(SidebarSection::advanced);
    auto *pane = qobject_cast<AdvancedDetailView *>(content->detail()->pane());
    if (!pane)
        return fail("no Advanced pane");
    pane->findChild<QAbstractButton *>(QStringLiteral("factoryReset"))->click();
    QMessageBox *question = pane->resetConfirmation();
    if (!question)
        return fail("no question before the reset");
    for (QAbstractButton *button : question->buttons()) {
        if (button->text() == QLatin1String("Reset and Quit"))
            button->click();
    }
    // The reset runs on the next turn of the event loop; this comes after it.
    QMetaObject::invokeMethod(pane, [pane] { reportOutcome(pane); }, Qt::QueuedConnection);
}

} // namespace

int main(int argc, char **argv)
{
    LumenpauseApp app(argc, argv);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &input, [&input] {
        char buffer[256];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0) { // the test is gone: nothing more will come
            input.setEnabled(false);
            return;
        }
        if (QByteArray(buffer, int(count)).contains("reset"))
            resetThroughTheSettingsWindow();
    });
    return app.exec();
}

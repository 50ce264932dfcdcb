// How quickly the break-screen customizer shows and follows typing, on a real X server with a
// window manager (bench/customizer.sh runs it inside the test services):
// - open_ms: from the settings window's showCustomizer() (what the Breaks pane's row calls)
//   to the customizer's first frame handed to the display;
// - keystroke_ms: from a key typed into the custom message to the next frame of a customizer
//   window of 1180 x 800, once per letter of a short sentence;
// - backdrops_made_while_typing: how often the preview made its background again meanwhile
//   (goal 0);
// - left_running_after_close: customizers still alive, with their timers, animations and
//   pending saves, once closed (goal 0).
//
// Usage: lumenpause_customizer_bench <runs>

#include "FrameWatch.h"

#include "breakscreen/ActivationController.h"
#include "breakscreen/BreakScreenConfig.h"
#include "breakscreen/SettingsWindowController.h"
#include "core/AppState.h"
#include "core/FileSettingsRepository.h"
#include "core/Logger.h"
#include "core/ThemeManager.h"
#include "settings_ui/customizer/BreakPreviewPanel.h"
#include "settings_ui/customizer/BreakScreenCustomizeView.h"
#include "settings_ui/customizer/CustomMessageField.h"
#include "settings_ui/window/ContentServices.h"

#include <QKeyEvent>
#include <QPointer>

namespace {

// Lets the window's animations, timers and deferred deletions run their course.
void settle()
{
    for (int round = 0; round < 20; ++round)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    // Outside exec() deferred deletions wait for an explicit turn, as the loop would give.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

CustomizerServices services()
{
    return {FileSettingsRepository::standard(), ContentServices::sharedClock(), ThemeManager::shared()};
}

// Times each letter of a sentence typed into a customizer window of the largest size.
void measureTyping(FrameWatch &app)
{
    auto config = std::make_unique<BreakScreenConfig>();
    config->setMessage(BreakScreenMessage::custom);
    BreakScreenCustomizeView view(services(), std::move(config), [] {});
    view.setFixedSize(1180, 800);
    app.watch(&view);
    app.timeFrame([&] { view.show(); });
    settle();
    auto *field = view.findChild<CustomMessageField *>();
    field->setFocus();
    const int made = view.preview()->backdropRenders();
    for (const QChar letter : QStringLiteral("Stretch your legs")) {
        printFigure("keystroke_ms", app.timeFrame([&] {
                        QKeyEvent press(QEvent::KeyPress, letter == u' ' ? Qt::Key_Space : Qt::Key_A,
                                        Qt::NoModifier, QString(letter));
                        QApplication::sendEvent(field, &press);
                    }));
    }
    printFigure("backdrops_made_while_typing", view.preview()->backdropRenders() - made);
    app.watch(nullptr);
}

} // namespace

int main(int argc, char **argv)
{
    FrameWatch app(argc, argv);
    setLogSink(nullptr);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    AppStateStore state;
    ActivationController activation(state);
    SettingsWindowController controller(activation, state);
    controller.setCustomizerFactory([](std::unique_ptr<BreakScreenConfig> config, std::function<void()> close) {
        return new BreakScreenCustomizeView(services(), std::move(config), std::move(close));
    });
    controller.show();
    settle();
    for (int run = 0; run < runs; ++run) {
        printFigure("open_ms", app.timeFrame([&] {
                        controller.showCustomizer();
                        app.watch(controller.customizerWindow());
                    }));
        settle();
        QPointer<BreakScreenCustomizeView> view = controller.customizerWindow()->findChild<BreakScreenCustomizeView *>();
        controller.closeCustomizer(true);
        app.watch(nullptr);
        settle();
        // Its timers, animations and pending save all belong to the view: gone with it.
        printFigure("left_running_after_close", view ? 1 : 0);
    }
    measureTyping(app);
    return 0;
}

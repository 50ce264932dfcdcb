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

#include "breakscreen/ActivationController.h"
#include "breakscreen/BreakScreenConfig.h"
#include "breakscreen/SettingsWindowController.h"
#include "core/AppState.h"
#include "core/FileSettingsRepository.h"
#include "core/Logger.h"
#include "core/ThemeManager.h"
#include "settings_ui/BreakPreviewPanel.h"
#include "settings_ui/BreakScreenCustomizeView.h"
#include "settings_ui/ContentServices.h"
#include "settings_ui/CustomMessageField.h"

#include <QAbstractAnimation>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPointer>
#include <QWindow>

#include <cstdio>

namespace {

constexpr int frameTimeoutMs = 5000;

// Notes when a frame of one window has been painted and handed to the display: the end of
// the window's expose or update handling once a widget of it painted.
class FrameWatch : public QApplication
{
public:
    using QApplication::QApplication;

    QWidget *topLevel = nullptr;
    bool painted = false;
    bool framed = false;

    bool notify(QObject *receiver, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (topLevel && type == QEvent::Paint && receiver->isWidgetType()
            && static_cast<QWidget *>(receiver)->window() == topLevel)
            painted = true;
        const bool result = QApplication::notify(receiver, event);
        const bool frame = topLevel && ((receiver == topLevel->windowHandle() && type == QEvent::Expose)
                                        || (receiver == topLevel && type == QEvent::UpdateRequest));
        if (frame && painted)
            framed = true;
        return result;
    }

    double timeFrame(const std::function<void()> &act)
    {
        painted = false;
        framed = false;
        QElapsedTimer clock;
        clock.start();
        act();
        while (!framed && clock.elapsed() < frameTimeoutMs)
            processEvents(QEventLoop::WaitForMoreEvents, 5);
        return framed ? clock.nsecsElapsed() / 1e6 : -1;
    }

    void settle()
    {
        for (int round = 0; round < 20; ++round)
            processEvents(QEventLoop::AllEvents, 5);
        // Outside exec() deferred deletions wait for an explicit turn, as the loop would give.
        sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

void print(const char *what, double value)
{
    std::printf("%s %.2f\n", what, value);
    std::fflush(stdout);
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
    app.topLevel = &view;
    app.timeFrame([&] { view.show(); });
    app.settle();
    auto *field = view.findChild<CustomMessageField *>();
    field->setFocus();
    const int made = view.preview()->backdropRenders();
    for (const QChar letter : QStringLiteral("Stretch your legs")) {
        print("keystroke_ms", app.timeFrame([&] {
                  QKeyEvent press(QEvent::KeyPress, letter == u' ' ? Qt::Key_Space : Qt::Key_A, Qt::NoModifier,
                                  QString(letter));
                  QApplication::sendEvent(field, &press);
              }));
    }
    print("backdrops_made_while_typing", view.preview()->backdropRenders() - made);
    app.topLevel = nullptr;
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
    app.settle();
    for (int run = 0; run < runs; ++run) {
        print("open_ms", app.timeFrame([&] {
                  controller.showCustomizer();
                  app.topLevel = controller.customizerWindow();
              }));
        app.settle();
        QPointer<BreakScreenCustomizeView> view = controller.customizerWindow()->findChild<BreakScreenCustomizeView *>();
        controller.closeCustomizer(true);
        app.topLevel = nullptr;
        app.settle();
        // Its timers, animations and pending save all belong to the view: gone with it.
        print("left_running_after_close", view ? 1 : 0);
    }
    measureTyping(app);
    return 0;
}

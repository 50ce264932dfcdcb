// Renders the first-run flow as the settings window shows it, light and dark: each step, the
// rhythm step with long breaks off, with a hovered tile and in a window too short for it
// (scrolled), and the preferences step with each enforcement and sensitivity choice, and with
// the keyboard's focus on the selected mode and on "Start Lumenpause". Each
// shot first prints the small text in it (14 pixels or less) that stands out least against
// its 4.5:1 floor; the last line counts the shots that miss it.
//
// Usage: render_onboarding <output folder> [--scale <device pixel ratio>]
// Writes onboarding-<shot>-<light|dark>.png.

#include "core/AppNotifier.h"
#include "core/AppSettings.h"
#include "core/InMemorySettingsRepository.h"
#include "core/ThemeManager.h"
#include "onboarding/OnboardingState.h"
#include "onboarding/OnboardingView.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/window/ContentView.h"
#include "support/BreakSchedulerRig.h"
#include "support/FakeClock.h"
#include "support/PngOutput.h"
#include "support/RenderTool.h"
#include "support/SettingsTextContrast.h"

#include <QApplication>
#include <QEnterEvent>
#include <QScrollArea>
#include <QScrollBar>

#include <cstdio>
#include <functional>

namespace {

constexpr QSize windowSize(880, 820);

struct Shot
{
    const char *name;
    int step;
    std::function<void(OnboardingView &)> prepare;
    QSize size = windowSize;
};

void hover(OnboardingView &view, const char *objectName)
{
    if (QWidget *tile = view.findChild<QWidget *>(QLatin1String(objectName))) {
        const QPointF inside(4, 4);
        QEnterEvent enter(inside, inside, tile->mapToGlobal(inside));
        QApplication::sendEvent(tile, &enter);
    }
}

// The keyboard's focus on the control named `objectName`, with its ring.
void focus(OnboardingView &view, const char *objectName)
{
    QApplication::setActiveWindow(view.window());
    if (QWidget *control = view.findChild<QWidget *>(QLatin1String(objectName))) {
        // Focused already (the last press), it takes the focus again as the keyboard's.
        control->clearFocus();
        control->setFocus(Qt::TabFocusReason);
    }
}

const QList<Shot> &shots()
{
    static const QList<Shot> list = {
        {"welcome", 0, {}},
        {"rhythm", 1, {}},
        {"preferences", 2, {}},
        {"rhythm-long-breaks-off", 1, [](OnboardingView &view) { view.state().setLongBreaksEnabled(false); }},
        {"rhythm-hovered-tile", 1, [](OnboardingView &view) { hover(view, "selectedInterval:30"); }},
        {"rhythm-short-window", 1,
         [](OnboardingView &view) {
             QScrollBar *bar = view.pageArea()->verticalScrollBar();
             bar->setValue(bar->maximum());
         },
         QSize(880, 560)},
        {"preferences-balanced-normal", 2,
         [](OnboardingView &view) {
             view.state().setSelectedEnforcement(QStringLiteral("Balanced"));
             view.state().setSelectedSensitivity(QStringLiteral("Normal"));
         }},
        {"preferences-hardcore-persistent", 2,
         [](OnboardingView &view) {
             view.state().setSelectedEnforcement(QStringLiteral("Hardcore"));
             view.state().setSelectedSensitivity(QStringLiteral("Persistent"));
             view.state().setLaunchAtLogin(false);
         }},
        {"preferences-focused-mode", 2, [](OnboardingView &view) { focus(view, "selectedEnforcement:Casual"); }},
        {"preferences-focused-start", 2, [](OnboardingView &view) { focus(view, "onboarding.next"); }},
    };
    return list;
}

class Renderer
{
public:
    QImage render(const Shot &shot, AppTheme theme, const QString &name)
    {
        themes.setAppTheme(theme);
        OnboardingView *flow = nullptr;
        ContentServices window{defaults, notifier, themes, [&](std::function<void()> dismiss) {
                                   flow = new OnboardingView(services(), std::move(dismiss));
                                   return flow;
                               }};
        // The window under the flow reads the rig's models, never the application's.
        window.settings = settings;
        window.clock = clock;
        window.breakScheduler = timer.scheduler;
        ContentView content(window);
        content.resize(shot.size);
        content.show();
        for (int step = 0; step < shot.step; ++step)
            flow->goNext();
        // Laid out first, so that a scroll lands where the page really ends.
        QApplication::processEvents();
        if (shot.prepare)
            shot.prepare(*flow);
        QApplication::processEvents();
        // The flow alone: the window beneath it is hidden, whatever it draws.
        ++shots;
        missed += printWeakestSmallText(name, measureSmallTextContrast(*flow)) ? 0 : 1;
        return content.grab().toImage();
    }

    int shots = 0;
    int missed = 0;

private:
    OnboardingServices services()
    {
        return {clock, settings, defaults, notifier, {}, {}, {}, [] { return false; }, {}};
    }

    FakeClock clock;
    InMemorySettingsRepository defaults;
    AppSettings settings{defaults, clock};
    AppNotifier notifier;
    ThemeManager themes{defaults, nullptr};
    BreakSchedulerRig timer;
};

} // namespace

int main(int argc, char **argv)
{
    const QStringList arguments = [&] {
        QStringList list;
        for (int index = 0; index < argc; ++index)
            list.append(QString::fromLocal8Bit(argv[index]));
        return list;
    }();
    if (arguments.size() != 2 && !(arguments.size() == 4 && arguments[2] == QLatin1String("--scale"))) {
        std::fprintf(stderr, "usage: render_onboarding <output folder> [--scale <ratio>]\n");
        return 2;
    }
    // The whole application is drawn at the ratio, as on a high-density screen.
    if (arguments.size() == 4)
        qputenv("QT_SCALE_FACTOR", arguments[3].toLocal8Bit());
    QApplication app(argc, argv);
    const QDir folder(arguments[1]);
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;
    // Every animation lands at its end: the pictures show the flow at rest.
    Motion::setJumpToEnd(true);
    Renderer renderer;
    bool written = true;
    for (const Shot &shot : shots()) {
        for (const auto &[theme, scheme] : {std::pair(AppTheme::light, "light"), std::pair(AppTheme::dark, "dark")}) {
            const QString name = QStringLiteral("onboarding-%1-%2").arg(QLatin1String(shot.name), QLatin1String(scheme));
            written &= savePng(renderer.render(shot, theme, name), folder, name);
        }
    }
    printSmallTextSummary(renderer.shots, renderer.missed);
    return written ? 0 : 1;
}

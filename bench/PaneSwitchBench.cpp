// How long a pane of the settings window takes from the click on its sidebar row to its first
// frame handed to the display: the pane built afresh and painted, as the user waits for it.
// The shared models the running application already holds are made first, so only the pane
// is counted. Run it on a real X server (tests/services.sh), for example:
//
//   tests/services.sh build/bench/lumenpause_pane_switch_bench 20 Notifications Meetings
//
// Each round goes to General (About, when General is the one measured) and then to each named
// section; prints "<section> <ms>" per visit and "<section> median <ms>" at the end.

#include "FrameWatch.h"

#include "core/AppSettings.h"
#include "core/Logger.h"
#include "detection/TypingHealthEngine.h"
#include "detection/WellnessScheduler.h"
#include "scheduling/BreakScheduler.h"
#include "settings_ui/window/ContentView.h"
#include "settings_ui/window/SettingsSidebar.h"
#include "settings_ui/window/SidebarButtonView.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace {

// Waits for the window's animations to end, as the user would before the next click.
void settle(FrameWatch &app, const QWidget *root)
{
    while (FrameWatch::animating(root))
        app.processEvents(QEventLoop::WaitForMoreEvents, 5);
    app.processEvents();
}

} // namespace

int main(int argc, char **argv)
{
    FrameWatch app(argc, argv);
    setLogSink(nullptr);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    std::vector<SidebarSection> sections;
    for (int index = 2; index < argc; ++index) {
        if (const auto section = sidebarSectionFromRawValue(QString::fromLocal8Bit(argv[index])))
            sections.push_back(*section);
    }
    // What the running application already holds when the window opens.
    AppSettings::shared();
    BreakScheduler::shared();
    WellnessScheduler::shared();
    TypingHealthEngine::shared();
    ContentView view(ContentServices::shared());
    view.resize(880, 820);
    app.watch(&view);
    app.timeFrame([&] { view.show(); });
    std::map<SidebarSection, std::vector<double>> times;
    for (int round = 0; round < rounds; ++round) {
        for (SidebarSection section : sections) {
            const SidebarSection from =
                section == SidebarSection::general ? SidebarSection::about : SidebarSection::general;
            view.sidebar()->row(from)->click();
            settle(app, &view);
            const double ms = app.timeFrame([&] { view.sidebar()->row(section)->click(); });
            std::printf("%s %.1f\n", qPrintable(sidebarSectionRawValue(section)), ms);
            times[section].push_back(ms);
            settle(app, &view);
        }
    }
    for (auto &[section, samples] : times) {
        std::sort(samples.begin(), samples.end());
        std::printf("%s median %.1f\n", qPrintable(sidebarSectionRawValue(section)), samples[samples.size() / 2]);
    }
    return 0;
}

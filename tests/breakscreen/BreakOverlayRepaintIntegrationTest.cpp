#include "breakscreen/BreakActionButton.h"
#include "breakscreen/BreakActionRow.h"
#include "breakscreen/BreakOverlayView.h"
#include "breakscreen/BreakScreenConfig.h"
#include "core/AppSettings.h"
#include "core/InMemorySettingsRepository.h"
#include "core/SystemClock.h"
#include "core/ThemeManager.h"
#include "support/TestServices.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>

#include <sys/resource.h>

#include <gtest/gtest.h>

// A full-screen break on a real X server and the real clock: once the controls are in, the
// only motion is the drifting leaves and the countdown, and what they repaint must stay a
// sliver of the screen. A widget that repainted itself whole on each leaf frame would cost
// a core; this catches it without timing the processor, which a busy machine would blur.

namespace {

constexpr int controlsInMs = 8000;
// Two seconds of leaves at 25 frames a second; a busy machine draws fewer a second, and the
// wait for them is only a wait for enough to measure.
constexpr int framesToWatch = 50;
constexpr int framesDeadlineMs = 30000;

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec
         + usage.ru_stime.tv_usec / 1e6;
}

// The area of every paint event of the overlay and its parts, and the largest single one.
class RepaintMeter : public QObject
{
public:
    explicit RepaintMeter(QWidget *overlay)
        : m_overlay(overlay)
    {
        overlay->installEventFilter(this);
        for (QWidget *part : overlay->findChildren<QWidget *>())
            part->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        qint64 area = 0;
        for (const QRect &rect : static_cast<QPaintEvent *>(event)->region())
            area += qint64(rect.width()) * rect.height();
        pixels += area;
        largest = std::max(largest, area);
        if (watched == m_overlay)
            ++overlayFrames;
        return false;
    }

    void reset()
    {
        pixels = 0;
        largest = 0;
        overlayFrames = 0;
    }

    qint64 pixels = 0;
    qint64 largest = 0;
    int overlayFrames = 0;

private:
    QWidget *m_overlay;
};

} // namespace

TEST(BreakOverlayRepaintIntegrationTest, DriftingLeavesAndTheCountdownRepaintOnlyWhatMoved)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    QScreen *screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    SystemClock clock;
    InMemorySettingsRepository store;
    AppSettings settings(store, clock);
    settings.setBreakDuration(120);
    ThemeManager theme(store, nullptr);
    BreakScreenConfig config;
    config.setBackground(BreakBG::nature);

    QWidget panel(nullptr, Qt::FramelessWindowHint);
    BreakOverlayView overlay(config, false, BreakOverlayMode::live(),
                             [](const BreakDismissalOutcome &) {},
                             BreakOverlayServices{settings, clock, theme, {}}, &panel);
    panel.setGeometry(screen->geometry());
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    ASSERT_EQ(overlay.size(), screen->geometry().size()) << "the overlay fills its panel";
    // The controls' fade is the break's start-up, not its steady state.
    BreakActionButton *skip = overlay.actionRow()->skipButton();
    ASSERT_TRUE(QTest::qWaitFor([&] { return skip->isVisible() && skip->opacity() == 1.0; },
                                controlsInMs));

    RepaintMeter meter(&overlay);
    // The fade's last step is painted with the first frame after it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return meter.overlayFrames > 0; }, framesDeadlineMs));
    meter.reset();
    QElapsedTimer wall;
    wall.start();
    const double processorBefore = processorSeconds();
    ASSERT_TRUE(QTest::qWaitFor([&] { return meter.overlayFrames >= framesToWatch; },
                                framesDeadlineMs))
        << "the leaves stopped drifting";
    const double seconds = wall.elapsed() / 1000.0;
    const double processorShare = (processorSeconds() - processorBefore) / seconds;
    RecordProperty("processorPercentOfOneCore",
                   QString::number(100 * processorShare, 'f', 2).toStdString());

    const qint64 screenArea = qint64(overlay.width()) * overlay.height();
    EXPECT_LT(meter.largest, screenArea / 50) << "one repaint covered a large part of the screen";
    const double screensPerSecond = meter.pixels / double(screenArea) / seconds;
    EXPECT_LT(screensPerSecond, 0.5) << "repainted " << screensPerSecond << " screens a second";
}

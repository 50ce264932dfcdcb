#include "settings_ui/components/Debouncer.h"
#include "support/FakeClock.h"

#include <QWidget>

#include <gtest/gtest.h>

// A timeline of saves on the fake clock: each step advances time and may call or flush.
TEST(DebouncerTest, ABurstSavesOnceAfterTheLastCallAndAFlushOrTheEndSavesAtOnce)
{
    FakeClock clock;
    QList<double> saves; // seconds since the start at which the work ran
    const QDateTime start = clock.now();
    const auto elapsed = [&] { return start.msecsTo(clock.now()) / 1000.0; };
    auto debouncer = std::make_unique<Debouncer>(clock, 0.3, [&] { saves.append(elapsed()); });

    struct Step
    {
        double advance;
        enum { call, flush, none } action;
        QList<double> savedSoFar;
    };
    const Step timeline[] = {
        {0.0, Step::call, {}},
        {0.2, Step::call, {}},            // restarts the wait
        {0.2, Step::call, {}},
        {0.29, Step::none, {}},
        {0.01, Step::none, {0.7}},        // 0.3 s after the last call
        {1.0, Step::none, {0.7}},         // nothing more pending
        {0.0, Step::call, {0.7}},
        {0.1, Step::flush, {0.7, 1.8}},   // a flush saves now, once
        {1.0, Step::flush, {0.7, 1.8}},   // and a second flush has nothing to save
        {0.0, Step::call, {0.7, 1.8}},
    };
    for (const Step &step : timeline) {
        clock.advance(step.advance);
        if (step.action == Step::call)
            debouncer->call();
        else if (step.action == Step::flush)
            debouncer->flush();
        EXPECT_EQ(saves, step.savedSoFar) << "at " << elapsed() << " s";
    }
    EXPECT_TRUE(debouncer->isPending());
    debouncer.reset(); // destruction runs what is pending
    EXPECT_EQ(saves, (QList<double>{0.7, 1.8, 2.8}));
    EXPECT_TRUE(clock.scheduledBlocks().isEmpty());
}

TEST(DebouncerTest, TheWindowFlushesItsOwnAndTerminationFlushesEveryone)
{
    FakeClock clock;
    QStringList saved;
    QWidget window;
    QWidget other;
    Debouncer underWindow(clock, 0.3, [&] { saved << "window"; }, new QWidget(&window));
    Debouncer elsewhere(clock, 0.3, [&] { saved << "elsewhere"; }, &other);
    underWindow.call();
    elsewhere.call();

    Debouncer::flushUnder(&window);
    EXPECT_EQ(saved, QStringList{"window"});
    Debouncer::flushAll();
    EXPECT_EQ(saved, (QStringList{"window", "elsewhere"}));
    clock.advance(1);
    EXPECT_EQ(saved.size(), 2) << "flushed work does not run again";
}

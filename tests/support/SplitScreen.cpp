#include "support/SplitScreen.h"

#include "support/RunCommand.h"

#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int screenChangeTimeoutMs = 5000;

bool screenCountBecomes(qsizetype count)
{
    return QTest::qWaitFor([count] { return QGuiApplication::screens().size() == count; },
                           screenChangeTimeoutMs);
}

} // namespace

SplitScreen::SplitScreen()
{
    added = runCommand("xrandr", {"--setmonitor", "L", "1920/508x800/212+0+0", "screen"}).isEmpty()
        && runCommand("xrandr", {"--setmonitor", "R", "640/169x800/212+1920+0", "none"}).isEmpty()
        && screenCountBecomes(2);
}

SplitScreen::~SplitScreen()
{
    runCommand("xrandr", {"--delmonitor", "R"});
    runCommand("xrandr", {"--delmonitor", "L"});
    EXPECT_TRUE(screenCountBecomes(1)) << "the monitors did not go away: later tests see a split screen";
}

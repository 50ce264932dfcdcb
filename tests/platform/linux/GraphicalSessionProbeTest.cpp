#include "platform/linux/GraphicalSessionProbe.h"

#include <gtest/gtest.h>

// Which window systems must be reachable before the toolkit is started, for what was asked.
TEST(GraphicalSessionProbeTest, OnlyTheWindowSystemsQtWillTryAreChecked)
{
    using System = GraphicalSessionProbe::WindowSystem;
    using Systems = std::optional<QList<System>>;
    const std::pair<QString, Systems> cases[] = {
        {"", Systems({System::x11, System::wayland})},
        {"xcb", Systems({System::x11})},
        {"XCB:nograb", Systems({System::x11})},
        {"wayland-egl", Systems({System::wayland})},
        {"wayland;xcb", Systems({System::wayland, System::x11})},
        {"offscreen", std::nullopt},
        {"xcb;vnc:size=800x600", std::nullopt},
    };
    for (const auto &[request, systems] : cases)
        EXPECT_EQ(GraphicalSessionProbe::systemsToCheck(request), systems) << request.toStdString();
}

TEST(GraphicalSessionProbeTest, TheCommandLineOverridesTheEnvironment)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    char program[] = "lumenpause";
    char option[] = "-platform";
    char name[] = "offscreen";
    char *withOption[] = {program, option, name, nullptr};
    char *without[] = {program, nullptr};
    EXPECT_EQ(GraphicalSessionProbe::requestedPlatforms(3, withOption), "offscreen");
    EXPECT_EQ(GraphicalSessionProbe::requestedPlatforms(1, without), "xcb");
    EXPECT_TRUE(GraphicalSessionProbe::canOpenDisplay(3, withOption)) << "offscreen needs none";
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

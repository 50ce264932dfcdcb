#include "platform/linux/GraphicalSessionProbe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTemporaryDir>

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

// A compositor's socket counts only when Qt has a Wayland platform to talk to it with;
// otherwise, with no X server either, Qt would abort the process instead of our message.
TEST(GraphicalSessionProbeTest, AWaylandSocketCountsOnlyWithTheWaylandPlatformPlugin)
{
    struct Case
    {
        const char *request;
        bool x11;
        bool socket;
        bool plugin;
        bool canOpen;
    };
    const Case cases[] = {
        {"", false, true, false, false},
        {"", false, true, true, true},
        {"", false, false, true, false},
        {"", true, true, false, true},
        {"wayland", true, true, false, false},
        {"wayland-egl", false, true, true, true},
        {"wayland;xcb", true, true, false, true},
        {"xcb", false, true, true, false},
        {"offscreen", false, false, false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string("request \"") + c.request + "\" x11=" + (c.x11 ? "yes" : "no")
                     + " socket=" + (c.socket ? "yes" : "no") + " plugin=" + (c.plugin ? "yes" : "no"));
        const GraphicalSessionProbe::Checks checks = {
            .x11Reachable = [&] { return c.x11; },
            .waylandSocketReachable = [&] { return c.socket; },
            .waylandPluginPresent = [&] { return c.plugin; },
        };
        EXPECT_EQ(GraphicalSessionProbe::canOpenDisplay(QString::fromLatin1(c.request), checks), c.canOpen);
    }
}

// Qt's plugin folders as the environment sets them, ahead of Qt's own; only a Wayland
// platform plugin found in one of them counts.
TEST(GraphicalSessionProbeTest, TheWaylandPluginIsLookedForWhereQtWillLoadPlatformsFrom)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString xcbOnly = folder.filePath("xcb-only");
    const QString withWayland = folder.filePath("with-wayland");
    for (const QString &plugin : {xcbOnly + "/platforms/libqxcb.so", withWayland + "/platforms/libqwayland-egl.so"}) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(plugin).path()));
        QFile file(plugin);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_FALSE(GraphicalSessionProbe::waylandPluginIn({xcbOnly + "/platforms", folder.filePath("absent")}));
    EXPECT_TRUE(GraphicalSessionProbe::waylandPluginIn({xcbOnly + "/platforms", withWayland + "/platforms"}));

    const bool pluginPathWasSet = qEnvironmentVariableIsSet("QT_PLUGIN_PATH");
    const QByteArray savedPluginPath = qgetenv("QT_PLUGIN_PATH");
    qputenv("QT_PLUGIN_PATH", (xcbOnly + ":" + withWayland).toLocal8Bit());
    qputenv("QT_QPA_PLATFORM_PLUGIN_PATH", "/opt/qt/platforms");
    const QStringList folders = GraphicalSessionProbe::platformPluginFolders();
    qunsetenv("QT_QPA_PLATFORM_PLUGIN_PATH");
    if (pluginPathWasSet)
        qputenv("QT_PLUGIN_PATH", savedPluginPath);
    else
        qunsetenv("QT_PLUGIN_PATH");
    ASSERT_EQ(folders.size(), 4);
    EXPECT_EQ(folders.mid(0, 3),
              QStringList({"/opt/qt/platforms", xcbOnly + "/platforms", withWayland + "/platforms"}));
    EXPECT_EQ(folders[3], QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms");
    EXPECT_TRUE(GraphicalSessionProbe::waylandPluginIn(folders));
}

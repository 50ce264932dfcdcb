#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A source tree of a file or two per room, each including nothing, for one include to be added.
const QStringList treeFiles = {
    "core/Clock.h",
    "menubar/Tray.h",
    "settings_ui/components/SettingCard.h",
    "settings_ui/components/PaneRows.cpp",
    "settings_ui/window/ContentServices.h",
    "settings_ui/window/ContentView.h",
    "settings_ui/window/ContentView.cpp",
    "settings_ui/window/SettingsPanes.cpp",
    "settings_ui/panes/app/AboutDetailView.h",
    "settings_ui/panes/app/AboutDetailView.cpp",
    "settings_ui/panes/breaks/OfficeHoursView.h",
    "settings_ui/panes/breaks/OfficeHoursView.cpp",
    "settings_ui/customizer/BreakPreviewPanel.h",
    "settings_ui/customizer/BreakPreviewPanel.cpp",
};

struct Case
{
    const char *name;
    const char *file;
    // What follows "#include ": a bare path is quoted.
    const char *includes;
    bool allowed;
};

// The repository's script, found from this file's place in it (tests/scripts/).
QString checkLayersScript()
{
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../../scripts/check-layers.sh"));
}

// Runs the script on the tree with `file` added if it is not there, including `includes`; its
// exit code.
int checkTreeWith(const Case &c)
{
    QTemporaryDir dir;
    QStringList files = treeFiles;
    if (!files.contains(QLatin1String(c.file)))
        files.append(QLatin1String(c.file));
    for (const QString &path : files) {
        QDir(dir.path()).mkpath(QFileInfo(path).path());
        QFile file(dir.filePath(path));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        if (path != QLatin1String(c.file))
            continue;
        const QByteArray header(c.includes);
        file.write("#include " + (header.startsWith('<') ? header : '"' + header + '"') + "\n");
    }
    QProcess script;
    script.start(QStringLiteral("bash"), {checkLayersScript(), dir.path()});
    EXPECT_TRUE(script.waitForFinished(10000));
    return script.exitStatus() == QProcess::NormalExit ? script.exitCode() : -1;
}

} // namespace

TEST(CheckLayersTest, EachRoomMayIncludeOnlyWhatItsRuleAllows)
{
    const Case cases[] = {
        {"a tree of rooms that include nothing", "core/Clock.h", "QString", true},
        {"a component includes a component", "settings_ui/components/PaneRows.cpp", "settings_ui/components/SettingCard.h", true},
        {"a pane includes a component", "settings_ui/panes/app/AboutDetailView.cpp", "settings_ui/components/SettingCard.h", true},
        {"a pane includes the services it is handed", "settings_ui/panes/app/AboutDetailView.cpp", "settings_ui/window/ContentServices.h", true},
        {"the window makes the panes", "settings_ui/window/SettingsPanes.cpp", "settings_ui/panes/app/AboutDetailView.h", true},
        {"the customizer includes a component", "settings_ui/customizer/BreakPreviewPanel.cpp", "settings_ui/components/SettingCard.h", true},
        {"another folder includes core", "menubar/Tray.h", "core/Clock.h", true},
        {"core includes a folder above it", "core/Clock.h", "menubar/Tray.h", false},
        {"a component includes a pane", "settings_ui/components/PaneRows.cpp", "settings_ui/panes/breaks/OfficeHoursView.h", false},
        {"a component includes the window", "settings_ui/components/SettingCard.h", "settings_ui/window/ContentServices.h", false},
        {"a component includes the customizer", "settings_ui/components/PaneRows.cpp", "settings_ui/customizer/BreakPreviewPanel.h", false},
        {"a pane includes another pane", "settings_ui/panes/app/AboutDetailView.cpp", "settings_ui/panes/breaks/OfficeHoursView.h", false},
        {"a pane includes the window's shell", "settings_ui/panes/breaks/OfficeHoursView.cpp", "settings_ui/window/ContentView.h", false},
        {"a pane includes the customizer", "settings_ui/panes/breaks/OfficeHoursView.cpp", "settings_ui/customizer/BreakPreviewPanel.h", false},
        {"the customizer includes a pane", "settings_ui/customizer/BreakPreviewPanel.cpp", "settings_ui/panes/app/AboutDetailView.h", false},
        {"the window's shell includes a pane", "settings_ui/window/ContentView.cpp", "settings_ui/panes/app/AboutDetailView.h", false},
        // An include is judged by the file it reaches, however it is spelt.
        {"a component includes its neighbour by name", "settings_ui/components/PaneRows.cpp", "SettingCard.h", true},
        {"a pane reaches the services by a relative path", "settings_ui/panes/app/AboutDetailView.cpp", "../../window/ContentServices.h", true},
        {"a component reaches the window by a relative path", "settings_ui/components/PaneRows.cpp", "../window/ContentView.h", false},
        {"a component reaches the window through ./..", "settings_ui/components/PaneRows.cpp", "./../window/ContentView.h", false},
        {"a component includes the window in angle brackets", "settings_ui/components/PaneRows.cpp", "<settings_ui/window/ContentView.h>", false},
        {"core reaches a folder above it by a relative path", "core/Clock.h", "../menubar/Tray.h", false},
        {"a header of no folder of src is an outside library's", "settings_ui/components/PaneRows.cpp", "<window/ContentView.h>", true},
        // Every file of the settings window lies in a room.
        {"a file directly in the settings window's folder", "settings_ui/Shared.h", "core/Clock.h", false},
        {"a file directly in panes/", "settings_ui/panes/PaneList.h", "settings_ui/components/SettingCard.h", false},
        {"a file in a room the rule does not name", "settings_ui/extras/Helper.cpp", "settings_ui/components/SettingCard.h", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(checkTreeWith(c), c.allowed ? 0 : 1) << c.name;
}

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A source tree of one file per room, each including nothing, for one include to be added.
const QStringList treeFiles = {
    "core/Clock.h",
    "menubar/Tray.h",
    "settings_ui/components/SettingCard.h",
    "settings_ui/components/PaneRows.cpp",
    "settings_ui/window/ContentServices.h",
    "settings_ui/window/ContentView.cpp",
    "settings_ui/window/SettingsPanes.cpp",
    "settings_ui/panes/app/AboutDetailView.cpp",
    "settings_ui/panes/breaks/OfficeHoursView.cpp",
    "settings_ui/customizer/BreakPreviewPanel.cpp",
};

struct Case
{
    const char *name;
    const char *file;
    const char *includes;
    bool allowed;
};

// The repository's script, found from this file's place in it (tests/scripts/).
QString checkLayersScript()
{
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../../scripts/check-layers.sh"));
}

// Runs the script on a tree where `file` includes `header`; its exit code.
int checkTreeWith(const Case &c)
{
    QTemporaryDir dir;
    for (const QString &path : treeFiles) {
        QDir(dir.path()).mkpath(QFileInfo(path).path());
        QFile file(dir.filePath(path));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        if (path == QLatin1String(c.file))
            file.write(QByteArray("#include \"") + c.includes + "\"\n");
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
    };
    for (const Case &c : cases)
        EXPECT_EQ(checkTreeWith(c), c.allowed ? 0 : 1) << c.name;
}

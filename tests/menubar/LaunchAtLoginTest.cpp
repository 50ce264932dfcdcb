#include "core/DesktopEntryText.h"
#include "support/ShortcutRig.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

// The login item in a throw-away configuration folder and a system folder beside it, started
// from a program whose path holds a space, a percent sign and a double quote.

namespace {

const QString approval = "Lumenpause is turned off in your desktop's startup applications.";
const QString onMismatch = "Your desktop did not enable Lumenpause. Check its startup applications.";
const QString offMismatch = "Your desktop still starts Lumenpause at login.";

struct LoginRig
{
    LoginRig()
        : rig({}, nullptr,
              LoginItem(dir.filePath("config/autostart/local.lumenpause.app.desktop"),
                        {systemEntry()}, program()))
    {
    }

    QString program() const { return dir.filePath("build 100% \"fresh\"/lumenpause"); }
    QString userEntry() const { return dir.filePath("config/autostart/local.lumenpause.app.desktop"); }
    QString systemEntry() const { return dir.filePath("xdg/autostart/local.lumenpause.app.desktop"); }

    static bool makeProgram(const QString &path)
    {
        writeBytes(path, "#!/bin/sh\n");
        return QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // The user's entry as written, read back as the session reads it.
    QStringList userEntryExec() const
    {
        const auto keys = desktopEntryMainGroup(readBytes(userEntry()));
        return desktopEntryExecArguments(unescapeDesktopEntryString(keys.value("Exec")));
    }

    // Asks, and checks that the setting follows the state read back.
    bool set(bool wanted)
    {
        const bool result = rig.controller.setLaunchAtLogin(wanted);
        EXPECT_EQ(result, rig.controller.launchAtLoginCached());
        EXPECT_EQ(rig.settings.launchAtLogin(), rig.controller.launchAtLoginCached());
        return result;
    }

    void refresh()
    {
        rig.controller.refreshLaunchAtLoginStatus();
        EXPECT_EQ(rig.settings.launchAtLogin(), rig.controller.launchAtLoginCached());
    }

    QTemporaryDir dir;
    ShortcutRig rig;
};

} // namespace

TEST(LaunchAtLoginTest, OnWritesAnEntryThatStartsThisProgramAndOffRemovesIt)
{
    LoginRig login;
    ASSERT_TRUE(LoginRig::makeProgram(login.program()));
    EXPECT_FALSE(login.rig.settings.launchAtLogin()) << "read at creation: no entry";
    login.refresh();

    EXPECT_TRUE(login.set(true));
    EXPECT_EQ(login.userEntryExec(), QStringList({login.program()}));
    EXPECT_EQ(modeOf(QFileInfo(login.userEntry()).absolutePath()), mode_t(0700));
    EXPECT_EQ(login.rig.controller.launchAtLoginError(), QString());
    EXPECT_TRUE(login.set(true)) << "again: the same entry";

    EXPECT_FALSE(login.set(false));
    EXPECT_FALSE(QFile::exists(login.userEntry()));
    EXPECT_EQ(login.rig.controller.launchAtLoginError(), QString());
    EXPECT_EQ(login.rig.log.warnings(), 0);

    // An autostart folder the user made keeps its mode.
    ASSERT_EQ(::chmod(QFile::encodeName(QFileInfo(login.userEntry()).absolutePath()).constData(), 0755), 0);
    EXPECT_TRUE(login.set(true));
    EXPECT_EQ(modeOf(QFileInfo(login.userEntry()).absolutePath()), mode_t(0755));
}

TEST(LaunchAtLoginTest, AnEntryTheDesktopSwitchedOffAsksForApprovalUntilItIsOnAgain)
{
    LoginRig login;
    ASSERT_TRUE(LoginRig::makeProgram(login.program()));
    ASSERT_TRUE(login.set(true));
    const QByteArray entry = readBytes(login.userEntry());
    for (const QByteArray key : {"Hidden=true\n", "X-GNOME-Autostart-enabled=false\n"}) {
        SCOPED_TRACE(key.constData());
        writeBytes(login.userEntry(), entry + key);
        login.refresh();
        EXPECT_FALSE(login.rig.controller.launchAtLoginCached());
        EXPECT_EQ(login.rig.controller.launchAtLoginError(), approval);

        EXPECT_TRUE(login.set(true)) << "turning it on writes the entry afresh";
        EXPECT_EQ(login.rig.controller.launchAtLoginError(), QString());
    }
}

// CI runs as root, so only a file where the folder belongs stops the write.
TEST(LaunchAtLoginTest, AnEntryThatCannotBeWrittenIsLoggedAndSaysTheDesktopDidNotFollow)
{
    LoginRig login;
    ASSERT_TRUE(LoginRig::makeProgram(login.program()));
    writeBytes(QFileInfo(login.userEntry()).absolutePath(), "not a folder");
    EXPECT_FALSE(login.set(true));
    EXPECT_EQ(login.rig.controller.launchAtLoginError(), onMismatch);
    const QStringList warnings = login.rig.log.messages("General");
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.first().startsWith("Launch at login update failed: ")) << warnings.first().toStdString();
    EXPECT_TRUE(warnings.first().contains("is not a folder")) << warnings.first().toStdString();
}

TEST(LaunchAtLoginTest, OffOverASystemEntryLeavesAUserEntryThatHidesIt)
{
    LoginRig login;
    ASSERT_TRUE(LoginRig::makeProgram(login.program()));
    writeBytes(login.systemEntry(), "[Desktop Entry]\nType=Application\nExec=" +
                                        desktopEntryExecValue(login.program()).toUtf8() + "\n");
    login.refresh();
    EXPECT_TRUE(login.rig.controller.launchAtLoginCached()) << "the system entry starts it";

    EXPECT_FALSE(login.set(false));
    const auto keys = desktopEntryMainGroup(readBytes(login.userEntry()));
    EXPECT_EQ(keys.value("Hidden"), "true");
    EXPECT_EQ(login.rig.controller.launchAtLoginError(), QString());
    EXPECT_TRUE(readBytes(login.systemEntry()).contains("Exec=")) << "the system entry is left alone";

    EXPECT_TRUE(login.set(true));
    EXPECT_FALSE(desktopEntryMainGroup(readBytes(login.userEntry())).contains("Hidden"));
    EXPECT_FALSE(login.set(false));

    // Where the hiding entry cannot be written the system one still starts it.
    ASSERT_TRUE(QFile::remove(login.userEntry()));
    const QString folder = QFileInfo(login.userEntry()).absolutePath();
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0500), 0);
    EXPECT_TRUE(login.set(false));
    EXPECT_EQ(login.rig.controller.launchAtLoginError(), offMismatch);
    EXPECT_EQ(login.rig.log.warnings("General"), 1);
    ::chmod(QFile::encodeName(folder).constData(), 0700);
}

#include "core/DesktopEntryText.h"
#include "core/LoginItem.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Desktop Entry]\n");
}

// Sets an environment variable while it lives.
class ScopedVariable
{
public:
    ScopedVariable(const char *name, const QByteArray &value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedVariable()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

} // namespace

TEST(LoginItemTest, TheEntryIsTheApplicationsDesktopFileInTheAutostartFolders)
{
    EXPECT_EQ(LoginItem::standardEntryPath(),
              qEnvironmentVariable("XDG_CONFIG_HOME") + "/autostart/local.lumenpause.app.desktop");
    {
        ScopedVariable dirs("XDG_CONFIG_DIRS", "/etc/site:relative:/usr/etc/xdg/");
        EXPECT_EQ(LoginItem::standardSystemEntryPaths(),
                  QStringList({"/etc/site/autostart/local.lumenpause.app.desktop",
                               "/usr/etc/xdg/autostart/local.lumenpause.app.desktop"}));
    }
    ScopedVariable unset("XDG_CONFIG_DIRS", "");
    EXPECT_EQ(LoginItem::standardSystemEntryPaths(),
              QStringList({"/etc/xdg/autostart/local.lumenpause.app.desktop"}));
}

TEST(LoginItemTest, RegisteredWhileAnEntryOrADanglingLinkIsThereAndUnregisteringRemovesIt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    LoginItem item(dir.filePath("app.desktop"));
    EXPECT_FALSE(item.isRegistered());
    EXPECT_TRUE(item.unregister()) << "nothing to remove is no failure";

    writeFile(item.entryPath());
    EXPECT_TRUE(item.isRegistered());
    EXPECT_TRUE(item.unregister());
    EXPECT_FALSE(QFile::exists(item.entryPath()));

    ASSERT_TRUE(QFile::link(dir.filePath("gone.desktop"), item.entryPath()));
    EXPECT_TRUE(item.isRegistered());
    EXPECT_TRUE(item.unregister());
    EXPECT_FALSE(item.isRegistered());
}

TEST(LoginItemTest, AnEntryIsEnabledOnlyWhenItWouldStartAProgramThatIsThere)
{
    struct Row
    {
        const char *name;
        QByteArray user;   // empty: no user entry
        QByteArray system; // empty: no system entry
        LoginItem::Status status;
    };
    const QByteArray sh = "[Desktop Entry]\nType=Application\nExec=/bin/sh -c true\n";
    const Row rows[] = {
        {"nothing anywhere", "", "", LoginItem::Status::notRegistered},
        {"ours", sh, "", LoginItem::Status::enabled},
        {"a program found on the path", "[Desktop Entry]\nType=Application\nExec=sh %U\n", "",
         LoginItem::Status::enabled},
        {"spaces around the equals sign", "[Desktop Entry]\nType = Application\nExec = /bin/sh\n",
         "", LoginItem::Status::enabled},
        {"a moved build's path", "[Desktop Entry]\nType=Application\nExec=\"/gone/lumenpause\"\n",
         "", LoginItem::Status::notRegistered},
        {"a link, not an application", "[Desktop Entry]\nType=Link\nExec=/bin/sh\n", "",
         LoginItem::Status::notRegistered},
        {"keys of another group", "[Desktop Action x]\nType=Application\nExec=/bin/sh\n", "",
         LoginItem::Status::notRegistered},
        {"a system entry alone", "", sh, LoginItem::Status::enabled},
        {"a user entry hides the system one", "[Desktop Entry]\nHidden=true\n", sh,
         LoginItem::Status::notRegistered},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        LoginItem item(dir.filePath("config/autostart/x.desktop"),
                       {dir.filePath("xdg/autostart/x.desktop")});
        if (!row.user.isEmpty())
            writeBytes(item.entryPath(), row.user);
        if (!row.system.isEmpty())
            writeBytes(dir.filePath("xdg/autostart/x.desktop"), row.system);
        EXPECT_EQ(item.status(), row.status);
    }
}

TEST(LoginItemTest, AProgramPathSurvivesTheExecLineWhateverItHolds)
{
    const QString paths[] = {
        "/usr/bin/lumenpause",
        "/opt/my apps/lumenpause",
        "/home/ann/100% done/lumenpause",
        "/tmp/say \"hi\"/lumenpause",
        "/tmp/`uname`/$HOME/back\\slash/lumenpause",
        "/tmp/tab\there/line\nbreak/lumenpause",
        "/tmp/ünïcode/lumenpause",
    };
    for (const QString &path : paths) {
        SCOPED_TRACE(path.toStdString());
        const QString written = desktopEntryExecValue(path);
        EXPECT_FALSE(written.contains(u'\n'));
        EXPECT_TRUE(written.startsWith(u'"'));
        EXPECT_EQ(desktopEntryExecArguments(unescapeDesktopEntryString(written)), QStringList({path}));
    }
    EXPECT_EQ(desktopEntryExecValue("/a b/100%"), "\"/a b/100%%\"");
    EXPECT_EQ(desktopEntryExecArguments("app --flag %U \"two words\" 50%%"),
              QStringList({"app", "--flag", "two words", "50%"}));
    EXPECT_EQ(unescapeDesktopEntryString("\\sa\\\\b\\qc"), " a\\b\\qc");
}

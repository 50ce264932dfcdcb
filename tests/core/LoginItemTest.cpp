#include "core/LoginItem.h"

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

} // namespace

TEST(LoginItemTest, TheEntryIsTheApplicationsDesktopFileInTheAutostartFolder)
{
    EXPECT_EQ(LoginItem::standardEntryPath(),
              qEnvironmentVariable("XDG_CONFIG_HOME") + "/autostart/local.lumenpause.app.desktop");
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

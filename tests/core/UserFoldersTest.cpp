#include "core/UserFolders.h"

#include <QHash>

#include <gtest/gtest.h>

namespace {

struct Case
{
    const char *name;
    QHash<QString, QString> environment;
    QString accountHome;
    UserFolders expected;
};

} // namespace

// Relative base paths are invalid and fall back to the home, an unusable HOME gives way to the
// account's home, and with neither there is no home and no folder under it.
TEST(UserFoldersTest, RelativePathsAndAnUnusableHomeFallBackToTheAccountsHome)
{
    const QString account = QStringLiteral("/home/ann");
    const auto inHome = [](const QString &home) {
        return UserFolders{home, home + "/.config", home + "/.local/share", home + "/.cache",
                           home + "/.local/state", false, {}};
    };
    UserFolders relative = inHome("/home/bob");
    relative.ignored = {{"XDG_CONFIG_HOME", "rel/config"}, {"XDG_DATA_HOME", "./data"},
                        {"XDG_RUNTIME_DIR", "run"}};
    UserFolders fromAccount = inHome(account);
    fromAccount.homeFromAccount = true;
    const UserFolders onlyAbsoluteVariable = {"", "/etc/c", "", "", "", false, {}};
    const Case cases[] = {
        {"absolute variables are kept as given",
         {{"HOME", "/home/bob/"}, {"XDG_CONFIG_HOME", "/cfg/"}, {"XDG_DATA_HOME", "/d"},
          {"XDG_CACHE_HOME", "/c"}, {"XDG_STATE_HOME", "/s"}, {"XDG_RUNTIME_DIR", "/run/user/1"}},
         account,
         {"/home/bob", "/cfg/", "/d", "/c", "/s", false, {}}},
        {"empty variables mean the home's folders", {{"HOME", "/home/bob"}, {"XDG_CONFIG_HOME", ""}},
         account, inHome("/home/bob")},
        {"relative variables are ignored and listed",
         {{"HOME", "/home/bob"}, {"XDG_CONFIG_HOME", "rel/config"}, {"XDG_DATA_HOME", "./data"},
          {"XDG_RUNTIME_DIR", "run"}},
         account, relative},
        {"HOME unset", {}, account, fromAccount},
        {"HOME empty", {{"HOME", ""}}, account, fromAccount},
        {"HOME relative", {{"HOME", "home/bob"}}, account, fromAccount},
        {"no home anywhere", {{"XDG_CONFIG_HOME", "/etc/c"}}, "", onlyAbsoluteVariable},
        {"an account home that is relative", {{"XDG_CONFIG_HOME", "/etc/c"}}, "home/ann",
         onlyAbsoluteVariable},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const UserFolders &expected = c.expected;
        const UserFolders folders = UserFolders::resolve(
            [&](const char *variable) { return c.environment.value(QString::fromLatin1(variable)); },
            [&] { return c.accountHome; });
        EXPECT_EQ(folders.home, expected.home);
        EXPECT_EQ(folders.config, expected.config);
        EXPECT_EQ(folders.data, expected.data);
        EXPECT_EQ(folders.cache, expected.cache);
        EXPECT_EQ(folders.state, expected.state);
        EXPECT_EQ(folders.homeFromAccount, expected.homeFromAccount);
        EXPECT_EQ(folders.ignored, expected.ignored);
    }
}

#include "platform/linux/InhibitorRules.h"

#include <gtest/gtest.h>

using namespace InhibitorRules;

TEST(InhibitorRulesTest, OnlyOurBlocksOfTheIdleActionKeepTheDisplayAwake)
{
    constexpr uid_t kUs = 1000;
    const QList<std::pair<LogindInhibitor, bool>> cases = {
        {{"idle", "vlc", "Playing", "block", kUs, 42}, true},
        {{"sleep:idle:shutdown", "vlc", "Playing", "block", kUs, 42}, true},
        {{"idle", "vlc", "Playing", "delay", kUs, 42}, false},
        {{"sleep", "vlc", "Playing", "block", kUs, 42}, false},
        {{"handle-lid-switch:idler", "x", "", "block", kUs, 42}, false},
        {{"idle", "gdm", "Login screen", "block", 120, 42}, false},
        {{"IDLE", "vlc", "", "block", kUs, 42}, false},
    };
    for (const auto &[inhibitor, expected] : cases)
        EXPECT_EQ(blocksIdle(inhibitor, kUs), expected)
            << inhibitor.what.toStdString() << " " << inhibitor.mode.toStdString();
}

TEST(InhibitorRulesTest, AGnomeInhibitorIsNamedByItsWindowsOwnerElseItsApplicationId)
{
    struct Case
    {
        uint flags;
        QSet<QString> windowOwner;
        QString applicationId;
        QSet<QString> expected;
    };
    const QList<Case> cases = {
        {8, {}, "org.videolan.VLC", {"org.videolan.VLC"}},
        {8 | 4, {}, "org.videolan.VLC", {"org.videolan.VLC"}},
        {4, {}, "org.videolan.VLC", {}},  // suspend only
        {1 | 2, {}, "Totem", {}},         // logout and user switch
        {8, {"bin:mpv"}, "org.videolan.VLC", {"bin:mpv"}},
        {8, {}, "/usr/bin/mpv", {"bin:mpv"}},
        {8, {}, "Firefox", {"Firefox", "bin:firefox"}},
        {8, {}, "firefox.desktop", {"firefox", "bin:firefox"}},
        {8, {}, "org.gnome.Totem.desktop", {"org.gnome.Totem"}},
        {8, {}, "", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(gnomeInhibitorIdentities(c.flags, c.windowOwner, c.applicationId), c.expected)
            << c.flags << " " << c.applicationId.toStdString();
}

#include "platform/linux/ProcIdentities.h"

#include "support/ProcFixture.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kUnits = "0::/user.slice/user-1000.slice/user@1000.service/app.slice/";

} // namespace

TEST(ProcIdentitiesTest, NamesEachOfOurProcessesByItsUnitExecutableAndKernelName)
{
    ProcFixture proc;
    ASSERT_TRUE(proc.isValid());
    ASSERT_TRUE(proc.add({101, "vlc", "/app/bin/vlc",
                          kUnits + "app-flatpak-org.videolan.VLC-4821.scope"}));
    ASSERT_TRUE(proc.add({102, "gnome-text-edit", "/usr/bin/gnome-text-editor",
                          kUnits + "app-gnome-org.gnome.TextEditor\\x2dbeta-3311.scope"}));
    ASSERT_TRUE(proc.add({103, "evolution-alarm", "/usr/libexec/evolution-alarm-notify",
                          kUnits + "app-gnome-org.gnome.Evolution\\x2dalarm\\x2dnotify@autostart.service"}));
    // A script: the kernel names it after the script, the link points at the interpreter.
    ASSERT_TRUE(proc.add({104, "meet-bridge.py", "/usr/bin/python3.11 (deleted)"}));
    ASSERT_TRUE(proc.add({105, "zoom", "/opt/zoom/zoom", kUnits + "app-zoom-77.scope"}));
    ASSERT_TRUE(proc.add({106, "sshd", "/usr/sbin/sshd", "0::/system.slice/ssh.service", 0}));
    ASSERT_TRUE(proc.add({107, "kworker/0:1", "", "0::/", ProcFixture::kUid, true}));

    ProcIdentities identities(proc.root(), ProcFixture::kUid);    const QSet<QString> running = identities.runningIdentities();
    EXPECT_EQ(running, QSet<QString>({"org.videolan.VLC", "bin:vlc", "org.gnome.TextEditor-beta",
                                      "bin:gnome-text-editor", "org.gnome.Evolution-alarm-notify",
                                      "bin:evolution-alarm-notify", "bin:python3.11",
                                      "bin:meet-bridge.py", "zoom", "bin:zoom"}));
    EXPECT_TRUE(identities.identitiesOf(106).isEmpty()) << "another user's process";
    EXPECT_TRUE(identities.identitiesOf(107).isEmpty()) << "a kernel thread";
    EXPECT_EQ(identities.executableName(104), "python3.11");

    // A process read once is not read again; one gone is forgotten; one new counts from the
    // second listing that finds it.
    ASSERT_TRUE(proc.add({108, "mpv", "/usr/bin/mpv"}));
    ASSERT_TRUE(proc.add({109, "obs", "/usr/bin/obs"}));
    proc.remove(101);
    proc.remove(105);
    ASSERT_TRUE(proc.add({105, "renamed", "/opt/other/other"}));
    EXPECT_FALSE(identities.runningIdentities().contains("bin:mpv"));
    const QSet<QString> later = identities.runningIdentities();
    EXPECT_TRUE(later.contains("bin:mpv"));
    EXPECT_FALSE(later.contains("org.videolan.VLC"));
    EXPECT_TRUE(later.contains("bin:zoom"));
    EXPECT_FALSE(later.contains("bin:other"));
    EXPECT_TRUE(identities.identitiesOf(101).isEmpty());

    // One ending while another starts leaves the number of processes as it was: seen within
    // a few listings all the same.
    proc.remove(109);
    ASSERT_TRUE(proc.add({110, "vlc", "/usr/bin/vlc"}));
    int listings = 0;
    while (identities.runningIdentities().contains("bin:obs") && listings < 10)
        ++listings;
    EXPECT_EQ(listings, ProcIdentities::kMaxSkippedListings);
    EXPECT_TRUE(identities.runningIdentities().contains("bin:vlc"));
}

TEST(ProcIdentitiesTest, AfterListingsStopEveryProcessIsTakenAfreshAtOnce)
{
    ProcFixture proc;
    ASSERT_TRUE(proc.isValid());
    ASSERT_TRUE(proc.add({201, "chrome", "/opt/google/chrome/chrome"}));
    ProcIdentities identities(proc.root(), ProcFixture::kUid);
    EXPECT_EQ(identities.runningIdentities(), QSet<QString>({"bin:chrome"}));

    // In the gap the pid went to another program, and a browser started.
    proc.remove(201);
    ASSERT_TRUE(proc.add({201, "ld", "/usr/bin/ld"}));
    ASSERT_TRUE(proc.add({202, "firefox", "/usr/lib/firefox/firefox"}));
    identities.forgetListing();
    EXPECT_EQ(identities.identitiesOf(201), QSet<QString>({"bin:ld"}));
    EXPECT_EQ(identities.runningIdentities(), QSet<QString>({"bin:ld", "bin:firefox"}));
}

TEST(ProcIdentitiesTest, ApplicationIdsComeOnlyFromApplicationUnits)
{
    const QList<std::pair<QByteArray, QString>> cases = {
        {kUnits + "app-flatpak-org.mozilla.firefox-2231.scope", "org.mozilla.firefox"},
        {kUnits + "app-org.kde.konsole-c1f2a3.scope", "org.kde.konsole"},
        {kUnits + "app-gnome-firefox-9912.scope", "firefox"},
        {kUnits + "app-org.gnome.Nautilus@1b2c.service", "org.gnome.Nautilus"},
        {kUnits + "app-gnome-org.gnome.Nautilus.service", "org.gnome.Nautilus"},
        {kUnits + "app-gnome-my\\x2dtool-12.scope/sub.scope", "my-tool"},
        {"1:name=systemd:/user.slice/app-gnome-mpv-40.scope\n0::/", ""},
        {"12:pids:/\n1:name=systemd:/user.slice/app-gnome-mpv-40.scope", "mpv"},
        {kUnits + "app-gnome\\x2dsession\\x2dmanager.slice/gnome-session.service", ""},
        {kUnits + "app.slice/app-dbus-.scope", ""},
        {kUnits + "snap.spotify.spotify-2a1b.scope", ""},
        {"0::/system.slice/ssh.service", ""},
        {"0::/user.slice/app-a-b-c-d-e.scope", ""},
        {"", ""},
    };
    for (const auto &[cgroup, id] : cases)
        EXPECT_EQ(ProcIdentities::applicationIdFromCgroup(cgroup).toStdString(), id.toStdString())
            << cgroup.constData();
}

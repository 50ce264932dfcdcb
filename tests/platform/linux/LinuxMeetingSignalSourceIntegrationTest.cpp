#include "detection/MeetingDetectorCatalogue.h"
#include "support/DBusMockService.h"
#include "support/LoadAllowance.h"
#include "support/ProgramCopy.h"
#include "support/RunCommand.h"
#include "support/SignalMonitorRig.h"
#include "support/TestServices.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QProcess>
#include <QTest>

#include <unistd.h>

#include <gtest/gtest.h>

// The frontmost window and the display-sleep inhibitors on the desktop of
// tests/services.sh, and the monitor's sessions on its real thread.

namespace {

// From a change to the snapshot that shows it: a fresh snapshot comes within 0.15 s of the
// change's event (MeetingSignalMonitorTest holds the figure on the fake clock); on a busy
// machine, within this. The frontmost window and GNOME's inhibitors are followed by their
// events alone, but the periodic reading would show what the events last brought, late: the
// tests of those events have no periodic reading, so that the change shows at all is the
// events' doing.
constexpr double kEventBound = withLoadAllowanceMs(500) / 1000.0;
constexpr int kTimeoutMs = 10000;

double now()
{
    return EventQueue::monotonicSeconds();
}

// The window of that name, once it is mapped.
QString windowNamed(const QString &name)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"),
                  {"search", "--sync", "--onlyvisible", "--name", '^' + name + '$'});
    if (!xdotool.waitForFinished(kTimeoutMs))
        return {};
    return QString::fromUtf8(xdotool.readAllStandardOutput()).split('\n').value(0).trimmed();
}

QString activate(const QString &window)
{
    return runCommand(QStringLiteral("xdotool"), {"windowactivate", "--sync", window});
}

auto frontmostIs(const std::optional<QString> &identity)
{
    return [identity](const MeetingSignalSnapshot &s) {
        return s.frontmostBundleIdentifier == identity;
    };
}

auto preventsSleep(const QSet<QString> &identities)
{
    return [identities](const MeetingSignalSnapshot &s) {
        return s.displaySleepPreventingBundleIdentifiers == identities;
    };
}

QString callLogindMock(const QString &method, const QVariantList &arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        "org.freedesktop.login1", "/org/freedesktop/login1", "org.freedesktop.DBus.Mock", method);
    call.setArguments(arguments);
    const QDBusMessage reply = QDBusConnection::systemBus().call(call, QDBus::Block, kTimeoutMs);
    return reply.type() == QDBusMessage::ErrorMessage ? reply.errorMessage() : QString();
}

// The mock's list answered by `code`; the template's own list is put back at the end.
QString replaceListInhibitors(const QString &code)
{
    return callLogindMock(QStringLiteral("AddMethod"),
                          {"org.freedesktop.login1.Manager", "ListInhibitors", "", "a(ssssuu)",
                           code});
}

class ListInhibitorsRestorer
{
public:
    ~ListInhibitorsRestorer()
    {
        // The template keeps the inhibitors taken through it in its module.
        EXPECT_EQ(replaceListInhibitors("ret = globals().get('inhibitors', [])"), QString());
    }
};

QString inhibitorEntry(const char *mode, qint64 pid)
{
    return QStringLiteral("ret = [('idle', 'vlc', 'Playing a film', '%1', %2, %3)]")
        .arg(QLatin1String(mode))
        .arg(::getuid())
        .arg(pid);
}

} // namespace

TEST(LinuxMeetingSignalSourceIntegrationTest, TheActiveWindowsProgramIsFrontmostOnlyWithMedia)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    ProgramCopy vlc(QStringLiteral("/usr/bin/xev"), QStringLiteral("vlc"));
    ProgramCopy mpv(QStringLiteral("/usr/bin/xev"), QStringLiteral("mpv"));
    // xev states no pid on its window: the X server has to say who made it.
    ASSERT_TRUE(vlc.start({"-name", "vlc"}) && mpv.start({"-name", "mpv"}));
    const QString vlcWindow = windowNamed("vlc");
    const QString mpvWindow = windowNamed("mpv");
    ASSERT_FALSE(vlcWindow.isEmpty() || mpvWindow.isEmpty());
    ASSERT_EQ(activate(vlcWindow), QString());

    SignalMonitorRig rig(SignalMonitorRig::sessionOptions(), SignalMonitorRig::kEventsOnly);
    rig.monitor().start(1, false);
    ASSERT_TRUE(rig.waitFor([](const MeetingSignalSnapshot &) { return true; }, 0.0));
    EXPECT_EQ(rig.deliveries().last().snapshot.frontmostBundleIdentifier, std::nullopt);

    rig.monitor().start(2, true);
    ASSERT_TRUE(rig.waitFor(frontmostIs("bin:vlc"), 0.0)) << "not frontmost on the start";

    for (const auto &[window, identity] : {std::pair{mpvWindow, QStringLiteral("bin:mpv")},
                                           std::pair{vlcWindow, QStringLiteral("bin:vlc")}}) {
        const double since = now();
        ASSERT_EQ(activate(window), QString());
        const std::optional<double> seen = rig.waitFor(frontmostIs(identity), since);
        ASSERT_TRUE(seen) << identity.toStdString() << " never became frontmost";
        EXPECT_LE(*seen, kEventBound) << identity.toStdString();
    }

    // Without media signals again, the same desktop has no frontmost application.
    const double since = now();
    rig.monitor().start(3, false);
    EXPECT_TRUE(rig.waitFor(frontmostIs(std::nullopt), since));
}

TEST(LinuxMeetingSignalSourceIntegrationTest, TheLoginManagersIdleBlockersPreventDisplaySleep)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    ProgramCopy vlc(QStringLiteral("/usr/bin/sleep"), QStringLiteral("vlc"));
    ASSERT_TRUE(vlc.start({"60"}));
    ListInhibitorsRestorer restorer;
    ASSERT_EQ(replaceListInhibitors(inhibitorEntry("block", vlc.processId())), QString());

    SignalMonitorRig rig;
    rig.monitor().start(1, true);
    ASSERT_TRUE(rig.waitFor(preventsSleep({"bin:vlc"}), 0.0));

    // A delay holds nothing back; the next question to the manager finds it so.
    ASSERT_EQ(replaceListInhibitors(inhibitorEntry("delay", vlc.processId())), QString());
    EXPECT_TRUE(rig.waitFor(preventsSleep({}), now()));
}

TEST(LinuxMeetingSignalSourceIntegrationTest, GnomeIdleInhibitorsComeAndGoWithTheirAnnouncements)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    DBusMockService gnome("org.gnome.SessionManager", "/org/gnome/SessionManager",
                          "org.gnome.SessionManager");
    ASSERT_TRUE(gnome.waitUntilOnTheBus());
    ASSERT_EQ(gnome.addMethod("GetInhibitors", "", "ao", "ret = []"), QString());
    const QString inhibitor = QStringLiteral("/org/gnome/SessionManager/Inhibitor1");
    ASSERT_EQ(runCommand("gdbus", {"call", "--session", "-d", "org.gnome.SessionManager", "-o",
                                   "/org/gnome/SessionManager", "-m",
                                   "org.freedesktop.DBus.Mock.AddObject", inhibitor,
                                   "org.gnome.SessionManager.Inhibitor", "{}",
                                   "[('GetFlags', '', 'u', 'ret = 8'), "
                                   "('GetToplevelXid', '', 'u', 'ret = 0'), "
                                   "('GetAppId', '', 's', 'ret = \"org.videolan.VLC\"')]"}),
              QString());

    SignalMonitorRig rig(SignalMonitorRig::sessionOptions(), SignalMonitorRig::kEventsOnly);
    rig.monitor().start(1, true);
    ASSERT_TRUE(rig.waitFor(preventsSleep({}), 0.0));

    ASSERT_EQ(gnome.addMethod("GetInhibitors", "", "ao", "ret = ['" + inhibitor + "']"), QString());
    double since = now();
    ASSERT_EQ(gnome.emitSignal("InhibitorAdded", "o", {QVariant::fromValue(QDBusObjectPath(inhibitor))}),
              QString());
    std::optional<double> seen = rig.waitFor(preventsSleep({"org.videolan.VLC"}), since);
    ASSERT_TRUE(seen) << "the added inhibitor never showed";
    EXPECT_LE(*seen, kEventBound);

    ASSERT_EQ(gnome.addMethod("GetInhibitors", "", "ao", "ret = []"), QString());
    since = now();
    ASSERT_EQ(gnome.emitSignal("InhibitorRemoved", "o",
                               {QVariant::fromValue(QDBusObjectPath(inhibitor))}),
              QString());
    seen = rig.waitFor(preventsSleep({}), since);
    ASSERT_TRUE(seen) << "the removed inhibitor stayed";
    EXPECT_LE(*seen, kEventBound);
}

// Processes are listed only while a browser's audio plays or records: its first snapshot
// must find the browser running, however long nothing was listed before and whatever was
// listed then. GNOME Web's pages record in the engine's process, so the browser's own
// process is known from the listing alone.
TEST(LinuxMeetingSignalSourceIntegrationTest, ABrowsersFirstSoundFindsItRunning)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    SignalMonitorRig rig;
    rig.monitor().setRunningApplicationsInterest(meetingRunningApplicationsInterest());
    rig.monitor().start(1, false);
    const auto records = [](const char *identity) {
        return [identity](const MeetingSignalSnapshot &s) {
            return s.inputBundleIdentifiers.contains(QString::fromUtf8(identity));
        };
    };
    const auto runningWhenFirstRecording = [&](const char *identity) -> QSet<QString> {
        for (const SignalMonitorRig::Delivery &delivery : rig.deliveries()) {
            if (records(identity)(delivery.snapshot))
                return delivery.snapshot.runningBundleIdentifiers;
        }
        return {};
    };
    const QStringList recordArguments = {"--record", "-d", "fakemic", "/dev/null"};

    ProgramCopy chrome(QStringLiteral("/usr/bin/pacat"), QStringLiteral("chrome"));
    ASSERT_TRUE(chrome.start(recordArguments));
    ASSERT_TRUE(rig.waitFor(records("bin:chrome"), 0.0));
    EXPECT_EQ(runningWhenFirstRecording("bin:chrome"), QSet<QString>({"bin:chrome"}));

    // Quiet through two periodic readings, which list nothing.
    chrome.kill();
    const double quietSince = now();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return rig.deliveries().constLast().atSeconds >= quietSince + 4.0; }, kTimeoutMs));
    EXPECT_TRUE(rig.deliveries().constLast().snapshot.runningBundleIdentifiers.isEmpty());
    ProgramCopy browser(QStringLiteral("/usr/bin/sleep"), QStringLiteral("epiphany"));
    ProgramCopy engine(QStringLiteral("/usr/bin/pacat"), QStringLiteral("WebKitWebProcess"));
    ASSERT_TRUE(browser.start({"60"}));
    ASSERT_TRUE(engine.start(recordArguments));
    ASSERT_TRUE(rig.waitFor(records("bin:WebKitWebProcess"), quietSince));
    EXPECT_EQ(runningWhenFirstRecording("bin:WebKitWebProcess"), QSet<QString>({"bin:epiphany"}));
}

TEST(LinuxMeetingSignalSourceIntegrationTest, RestartsNeverDeliverASnapshotOfAnEarlierStart)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    SignalMonitorRig rig;
    std::vector<std::unique_ptr<ProgramCopy>> players;
    int session = 0;
    for (int round = 0; round < 100; ++round) {
        // Streams come and go while the monitor restarts, so refreshes are pending.
        if (round % 10 == 0) {
            players.push_back(std::make_unique<ProgramCopy>("/usr/bin/pacat", "zoom"));
            ASSERT_TRUE(players.back()->start({"/dev/zero"}));
            if (players.size() > 2)
                players.erase(players.begin());
        }
        const bool media = round % 2 == 1;
        rig.monitor().start(++session, media);
        rig.monitor().stop();
        rig.monitor().start(++session, media);
        const int current = session;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                const auto all = rig.deliveries();
                return !all.isEmpty() && all.last().sessionID == current;
            },
            kTimeoutMs))
            << "round " << round;
    }
    players.clear();
    // Refreshes asked for before the last start come due meanwhile.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const auto all = rig.deliveries();
            return std::count_if(all.begin(), all.end(), [&](const auto &d) {
                       return d.sessionID == session;
                   }) >= 2;
        },
        kTimeoutMs));

    int latest = 0;
    for (const SignalMonitorRig::Delivery &delivery : rig.deliveries()) {
        EXPECT_GE(delivery.sessionID, latest) << "a snapshot of session " << delivery.sessionID
                                              << " after one of session " << latest;
        latest = std::max(latest, delivery.sessionID);
    }
    EXPECT_EQ(latest, session);
}

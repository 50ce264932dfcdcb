#include "platform/linux/AudioStreamMirror.h"

#include "platform/linux/ProcIdentities.h"
#include "support/ProcFixture.h"

#include <gtest/gtest.h>

namespace {

constexpr int kZoomPid = 201;
constexpr int kOurPid = 300;
constexpr quint32 kMicrophone = 1;
constexpr quint32 kMonitor = 2;
const QString kOurMachine = QStringLiteral("5f1c0ffee");

class MirrorTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(proc.add({kZoomPid, "zoom", "/opt/zoom/zoom"}));
        ASSERT_TRUE(proc.add({kOurPid, "lumenpause", "/usr/bin/lumenpause"}));
        mirror.setSource({kMicrophone, "fakemic", false, false});
        mirror.setSource({kMonitor, "nullsink.monitor", true, true});
        mirror.setDefaultSourceName("fakemic");
    }

    static AudioStream stream(quint32 index, std::optional<int> pid, QString binary,
                              QString machine = kOurMachine)
    {
        AudioStream s;
        s.index = index;
        s.processId = pid;
        s.binary = std::move(binary);
        s.machineId = std::move(machine);
        s.sourceIndex = kMicrophone;
        return s;
    }

    static AudioStream peakMeter(quint32 index, quint32 source)
    {
        AudioStream s = stream(index, 400, "pavucontrol");
        s.peakMeter = true;
        s.sourceIndex = source;
        return s;
    }

    ProcFixture proc;
    ProcIdentities processes{proc.root(), ProcFixture::kUid};
    AudioStreamMirror mirror{{kOurMachine}, kOurPid, processes};
};

} // namespace

TEST_F(MirrorTest, AClientsPidCountsOnlyFromThisMachineAndForTheProgramItNames)
{
    struct Case
    {
        const char *name;
        AudioStream stream;
        bool leftOut;
        QSet<QString> identities;
    };
    AudioStream meter = peakMeter(7, kMonitor);
    const QList<Case> cases = {
        {"this machine, the named program", stream(1, kZoomPid, "zoom"), false, {"bin:zoom"}},
        {"another machine's pid", stream(2, kZoomPid, "teams", "0ther"), false, {"bin:teams"}},
        {"a pid running another program", stream(3, kZoomPid, "teams"), false, {"bin:teams"}},
        {"a pid gone", stream(4, 999, "obs"), false, {"bin:obs"}},
        {"no pid", stream(5, std::nullopt, "obs"), false, {"bin:obs"}},
        {"nothing said at all", stream(6, std::nullopt, ""), false, {}},
        {"a level meter", meter, true, {"bin:pavucontrol"}},
        {"our own sound", stream(8, kOurPid, "lumenpause"), true, {"bin:lumenpause"}},
        {"our pid on another machine", stream(9, kOurPid, "lumenpause", "0ther"), false,
         {"bin:lumenpause"}},
    };
    for (const Case &c : cases) {
        const AudioStreamOwner owner = mirror.ownerOf(c.stream);
        EXPECT_EQ(owner.leftOut, c.leftOut) << c.name;
        EXPECT_EQ(owner.identities, c.identities) << c.name;
    }
}

TEST_F(MirrorTest, ActivityCountsUncorkedStreamsOfOthersAndRecordingsFromInputDevices)
{
    AudioStream corked = stream(2, std::nullopt, "vlc");
    corked.corked = true;
    mirror.setPlaybackStream(stream(1, kZoomPid, "zoom"));
    mirror.setPlaybackStream(corked);
    mirror.setPlaybackStream(stream(3, kOurPid, "lumenpause"));
    mirror.setRecordingStream(stream(10, std::nullopt, ""));
    AudioStream fromMonitor = stream(11, std::nullopt, "obs");
    fromMonitor.sourceIndex = kMonitor;
    mirror.setRecordingStream(fromMonitor);
    mirror.setRecordingStream(peakMeter(12, kMicrophone));
    mirror.resolveOwners();

    MeetingSignalSource::AudioActivity activity = mirror.activity();
    EXPECT_EQ(activity.outputIdentities, QSet<QString>({"bin:zoom"}));
    EXPECT_TRUE(activity.inputIdentities.isEmpty());
    EXPECT_TRUE(activity.anyStreamRecords) << "a recording without an owner still records";

    // Streams that come, change and go.
    corked.corked = false;
    mirror.setPlaybackStream(corked);
    mirror.removeRecordingStream(10);
    mirror.setRecordingStream(stream(13, kZoomPid, "zoom"));
    activity = mirror.activity();
    EXPECT_EQ(activity.outputIdentities, QSet<QString>({"bin:zoom", "bin:vlc"}));
    EXPECT_EQ(activity.inputIdentities, QSet<QString>({"bin:zoom"}));

    mirror.clear();
    activity = mirror.activity();
    EXPECT_TRUE(activity.outputIdentities.isEmpty());
    EXPECT_FALSE(activity.anyStreamRecords);
}

TEST_F(MirrorTest, TheDefaultInputRunsOnlyWhenRunningForSomeoneNotLeftOut)
{
    struct Case
    {
        const char *name;
        QString defaultSource;
        bool running;
        QList<AudioStream> recordings;
        bool expected;
    };
    AudioStream corked = stream(22, kZoomPid, "zoom");
    corked.corked = true;
    const QList<Case> cases = {
        {"running for a level meter only", "fakemic", true, {peakMeter(20, kMicrophone)}, false},
        {"running for our own stream only", "fakemic", true, {stream(21, kOurPid, "lumenpause")},
         false},
        {"running for a meter and a caller", "fakemic", true,
         {peakMeter(20, kMicrophone), stream(23, kZoomPid, "zoom")}, true},
        {"running for no stream of the server's", "fakemic", true, {corked}, true},
        {"idle", "fakemic", false, {stream(23, kZoomPid, "zoom")}, false},
        {"a monitor as the default", "nullsink.monitor", true, {}, false},
        {"a default that is not there", "usbmic", true, {}, false},
    };
    for (const Case &c : cases) {
        AudioStreamMirror fresh({kOurMachine}, kOurPid, processes);
        fresh.setSource({kMicrophone, "fakemic", c.running, false});
        fresh.setSource({kMonitor, "nullsink.monitor", true, true});
        fresh.setDefaultSourceName(c.defaultSource);
        for (const AudioStream &recording : c.recordings)
            fresh.setRecordingStream(recording);
        EXPECT_EQ(fresh.isDefaultInputRunning(), c.expected) << c.name;
    }
}

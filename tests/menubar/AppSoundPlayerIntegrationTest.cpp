#include "core/AppSettings.h"
#include "core/InMemorySettingsRepository.h"
#include "menubar/AppSoundPlayer.h"
#include "menubar/QtSoundOutput.h"
#include "support/FakeClock.h"
#include "support/TestServices.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QtEndian>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

// A sound played through the real sound server of tests/services.sh must reach its null
// sink as a stream of this process, at the level the settings ask for.
//
// The level is measured on the sink's monitor, not read from the stream's volume: the
// stream is created at full volume and the samples are scaled on their way in, so the
// server's per-stream volume says nothing about loudness. The recorded peak does, and a
// peak is unaffected by where in the recording the sound lands.

namespace {

constexpr int kDeadlineMs = 10000;
constexpr int kSampleRate = 44100;
constexpr double kSoundSeconds = 0.75; // Submarine's length
constexpr int kOnsetLevel = 300;       // well above silence, well below any played peak

// Runs a command with the event loop turning (the sound's stream is fed from it) and
// returns its standard output, empty on failure.
QString commandOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, kDeadlineMs))
        process.kill();
    process.waitForFinished(kDeadlineMs);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The sink inputs, one block of "pactl list sink-inputs" text each, that this process owns.
QStringList ownSinkInputs()
{
    const QString pid = QString::number(::getpid());
    QStringList own;
    const QStringList blocks = commandOutput("pactl", {"list", "sink-inputs"})
                                   .split(QRegularExpression("\\n(?=Sink Input #)"));
    for (const QString &block : blocks) {
        if (block.contains(QStringLiteral("application.process.id = \"%1\"").arg(pid)))
            own.append(block);
    }
    return own;
}

// Records the null sink's monitor as 16-bit mono samples while it lives.
class SinkRecorder
{
public:
    ~SinkRecorder() { stop(); }

    bool start()
    {
        QObject::connect(&m_process, &QProcess::readyReadStandardOutput,
                         [this] { m_bytes += m_process.readAllStandardOutput(); });
        m_process.start("parecord", {"--device=nullsink.monitor", "--raw", "--format=s16le",
                                     "--rate=" + QString::number(kSampleRate), "--channels=1",
                                     "--latency-msec=10"});
        if (!m_process.waitForStarted(kDeadlineMs))
            return false;
        // Sound played before the recording stream is connected would be lost.
        return QTest::qWaitFor(
            [] { return !commandOutput("pactl", {"list", "short", "source-outputs"}).isEmpty(); },
            kDeadlineMs);
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        m_process.waitForFinished(kDeadlineMs);
        m_bytes += m_process.readAllStandardOutput();
    }

    QList<int> samples() const
    {
        QList<int> result;
        for (qsizetype at = 0; at + 2 <= m_bytes.size(); at += 2)
            result.append(qFromLittleEndian<qint16>(m_bytes.constData() + at));
        return result;
    }

    // Whether the whole sound is in: from the first sample above silence, its full length.
    bool heardWholeSound() const
    {
        const QList<int> s = samples();
        const auto onset = std::find_if(s.begin(), s.end(),
                                        [](int v) { return std::abs(v) > kOnsetLevel; });
        return onset != s.end() && s.end() - onset >= qsizetype(kSoundSeconds * kSampleRate);
    }

    int peak() const
    {
        int peak = 0;
        for (int v : samples())
            peak = std::max(peak, std::abs(v));
        return peak;
    }

private:
    QProcess m_process;
    QByteArray m_bytes;
};

struct Measurement
{
    bool streamSeen = false;
    bool wholeSound = false;
    int peak = 0;
};

Measurement playAndRecord(AppSoundPlayer &player, AppSettings &settings, double volume)
{
    settings.setNotificationSoundVolume(volume);
    SinkRecorder recorder;
    if (!recorder.start())
        return {};
    player.play(AppSound::submarine);
    Measurement result;
    result.streamSeen = QTest::qWaitFor([] { return !ownSinkInputs().isEmpty(); }, kDeadlineMs);
    result.wholeSound = QTest::qWaitFor([&] { return recorder.heardWholeSound(); }, kDeadlineMs);
    recorder.stop();
    result.peak = recorder.peak();
    return result;
}

} // namespace

TEST(AppSoundPlayerIntegrationTest, PlaysAsAStreamOfThisProcessAtTheChosenVolume)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    FakeClock clock;
    InMemorySettingsRepository store;
    AppSettings settings(store, clock);
    QtSoundOutput output;
    ASSERT_TRUE(output.hasDevice());
    AppSoundPlayer player(settings, output);

    // The same loaded sound plays both times: a new volume must reach a kept sound.
    const Measurement quiet = playAndRecord(player, settings, 0.35);
    ASSERT_TRUE(quiet.streamSeen) << "no sink input of this process appeared";
    ASSERT_TRUE(quiet.wholeSound) << "the sound never reached the null sink";
    const Measurement loud = playAndRecord(player, settings, 1.0);
    ASSERT_TRUE(loud.streamSeen && loud.wholeSound);

    // At full volume the file's own peak (about -6 dBFS) comes through unchanged...
    const double loudDb = 20 * std::log10(loud.peak / 32768.0);
    EXPECT_NEAR(loudDb, -6.0, 0.5);
    // ...and the quieter play is scaled linearly by the setting.
    EXPECT_NEAR(double(quiet.peak) / loud.peak, 0.35, 0.02)
        << "peaks " << quiet.peak << " and " << loud.peak;
}

#include "core/AppSettings.h"
#include "core/InMemorySettingsRepository.h"
#include "menubar/AppSound.h"
#include "menubar/AppSoundPlayer.h"
#include "support/FakeClock.h"
#include "support/LogCapture.h"
#include "support/RecordingSoundOutput.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

namespace {

using Play = RecordingSoundOutput::Play;

struct Player
{
    explicit Player(const QVariantMap &stored = {}, const QString &folder = bundledSoundFolder())
        : store(stored)
        , settings(store, clock)
        , player(settings, output, folder)
    {
    }
    QStringList warnings() const
    {
        QStringList lines;
        for (const LogRecord &record : log.records()) {
            if (record.category == QLatin1String("Sound") && record.level == LogLevel::Warn)
                lines.append(record.message);
        }
        return lines;
    }

    LogCapture log;
    FakeClock clock;
    InMemorySettingsRepository store;
    AppSettings settings;
    RecordingSoundOutput output;
    AppSoundPlayer player;
};

} // namespace

TEST(AppSoundTest, RawValuesAreTheSoundNamesAndNothingElseParses)
{
    EXPECT_EQ(allAppSounds(), QList<AppSound>({AppSound::submarine, AppSound::blow, AppSound::glass}));
    for (AppSound sound : allAppSounds())
        EXPECT_EQ(appSoundFromRawValue(appSoundRawValue(sound)), sound);
    EXPECT_EQ(appSoundRawValue(AppSound::blow), "Blow");
    EXPECT_EQ(appSoundFileName(AppSound::submarine), "Submarine.wav");
    for (const QString raw : {"submarine", "Glass ", "", "Ping"})
        EXPECT_EQ(appSoundFromRawValue(raw), std::nullopt) << raw.toStdString();
}

TEST(AppSoundPlayerTest, EachSwitchGatesItsOwnSounds)
{
    // Out of the box break sounds are on and the reminder sound is off.
    Player p;
    p.player.play(AppSound::blow);
    p.player.play(AppSound::submarine);
    p.player.play(AppSound::glass);
    EXPECT_EQ(p.output.plays(), QList<Play>({{"Submarine.wav", 0.35}, {"Glass.wav", 0.35}}));
    // A silent sound is not even loaded.
    EXPECT_FALSE(p.output.loads().contains("Blow.wav"));

    p.settings.setReminderSoundsEnabled(true);
    p.settings.setBreakSoundsEnabled(false);
    p.player.play(AppSound::submarine);
    p.player.play(AppSound::glass);
    p.player.play(AppSound::blow);
    EXPECT_EQ(p.output.plays().size(), 3);
    EXPECT_EQ(p.output.plays().constLast(), Play({"Blow.wav", 0.35}));
    EXPECT_TRUE(p.warnings().isEmpty());
}

TEST(AppSoundPlayerTest, VolumeFollowsTheSettingAndStaysWithinZeroToOne)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QList<std::pair<double, double>> storedToPlayed = {
        {1.7, 1.0}, {1.0, 1.0}, {0.6, 0.6}, {0.0, 0.0}, {-0.2, 0.0}, {nan, 0.0}};
    for (const auto &[stored, played] : storedToPlayed) {
        // A store edited by hand reaches the model without passing its setter.
        Player p({{"notificationSoundVolume", stored}});
        p.player.play(AppSound::submarine);
        EXPECT_EQ(p.output.plays(), QList<Play>({{"Submarine.wav", played}})) << stored;
    }

    Player p;
    p.player.play(AppSound::glass);
    p.settings.setNotificationSoundVolume(0.8);
    p.player.play(AppSound::glass);
    EXPECT_EQ(p.output.plays(), QList<Play>({{"Glass.wav", 0.35}, {"Glass.wav", 0.8}}));
}

TEST(AppSoundPlayerTest, EachSoundIsLoadedOnceAndKept)
{
    Player p({{"reminderSoundsEnabled", true}});
    for (int round = 0; round < 3; ++round) {
        for (AppSound sound : allAppSounds())
            p.player.play(sound);
    }
    EXPECT_EQ(p.output.loads(), QStringList({"Submarine.wav", "Blow.wav", "Glass.wav"}));
    EXPECT_EQ(p.output.plays().size(), 9);
    EXPECT_EQ(p.output.livingEffects(), 3);
}

TEST(AppSoundPlayerTest, AMissingFileIsReportedOnEveryAttemptUntilItAppears)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    Player p({}, folder.path());
    p.player.play(AppSound::submarine);
    p.player.play(AppSound::submarine);
    EXPECT_EQ(p.warnings(), QStringList({"Missing bundled sound: Submarine.wav",
                                         "Missing bundled sound: Submarine.wav"}));
    EXPECT_TRUE(p.output.loads().isEmpty());

    ASSERT_TRUE(QFile::copy(bundledSoundFolder() + "/Submarine.wav",
                            folder.filePath("Submarine.wav")));
    p.player.play(AppSound::submarine);
    EXPECT_EQ(p.output.plays(), QList<Play>({{"Submarine.wav", 0.35}}));
    EXPECT_EQ(p.warnings().size(), 2);
}

TEST(AppSoundPlayerTest, AnUnreadableFileIsReportedAndLoadedAfreshNextTime)
{
    Player p({{"reminderSoundsEnabled", true}});
    // Found unreadable while loading: nothing plays, nothing is kept.
    p.output.failLoadsAtOnce("Blow.wav");
    p.player.play(AppSound::blow);
    p.player.play(AppSound::blow);
    EXPECT_EQ(p.warnings(), QStringList({"Failed to load sound Blow", "Failed to load sound Blow"}));
    EXPECT_TRUE(p.output.plays().isEmpty());
    EXPECT_EQ(p.output.livingEffects(), 0);

    // Found unreadable after the play was asked for: the next play starts over with a new load.
    p.player.play(AppSound::glass);
    p.output.failLoaded("Glass.wav");
    EXPECT_EQ(p.warnings().constLast(), "Failed to load sound Glass");
    p.player.play(AppSound::glass);
    EXPECT_EQ(p.output.loads().count("Glass.wav"), 2);
    EXPECT_EQ(p.output.plays(), QList<Play>({{"Glass.wav", 0.35}, {"Glass.wav", 0.35}}));
    EXPECT_EQ(p.output.livingEffects(), 1);
    EXPECT_EQ(p.warnings().size(), 3);
}

TEST(AppSoundPlayerTest, WithoutAnAudioOutputOneWarningAndThenQuiet)
{
    Player p({{"reminderSoundsEnabled", true}});
    p.output.setHasDevice(false);
    for (AppSound sound : allAppSounds())
        p.player.play(sound);
    p.player.play(AppSound::submarine);
    EXPECT_TRUE(p.output.plays().isEmpty());
    EXPECT_EQ(p.warnings(), QStringList({"No audio output device; sounds stay silent"}));

    // An output that turns up later (headphones plugged in) is used at once.
    p.output.setHasDevice(true);
    p.player.play(AppSound::blow);
    EXPECT_EQ(p.output.plays(), QList<Play>({{"Blow.wav", 0.35}}));
}

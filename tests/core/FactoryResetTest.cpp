#include "breakscreen/ActivationController.h"
#include "breakscreen/WindowManager.h"
#include "core/AppState.h"
#include "core/FactoryReset.h"
#include "app/LaunchCoordinator.h"
#include "core/LogBuffer.h"
#include "support/FakeLaunchServices.h"
#include "support/UndeletableFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QStringList stopOrder = FakeLaunchServices::stopSteps();
const QStringList startOrder = FakeLaunchServices::startSteps();

// Everything of the application's, in the order the reset deletes it, then its login item.
const QStringList ownFiles = {
    "config/lumenpause/local.lumenpause.app.json",
    "config/lumenpause/local.lumenpause.app.json.corrupt-20250101-120000",
    "cache/lumenpause/images/a.png",
    "state/lumenpause/window",
    "data/Lumenpause/lumenpause_stats.json",
    "data/Lumenpause-local.lumenpause.app/lumenpause_stats.json",
};
const QString loginEntry = "config/autostart/local.lumenpause.app.desktop";
// Neighbours that look alike but are not the application's.
const QStringList othersFiles = {
    "config/autostart/other.desktop", "config/other/settings.json", "cache/other/blob",
    "data/Other/file", "home/lumenpause/notes.txt", "data/lumenpause-notes/file",
};

class FactoryResetTest : public ::testing::Test, protected FakeLaunchServices
{
protected:
    FactoryResetTest()
        : FakeLaunchServices({{"hasCompletedOnboarding", true}, {"appTheme", "dark"}})
    {
    }

    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        for (const QString &path : ownFiles + othersFiles + QStringList{loginEntry})
            write(path);
        launch.startRuntimeServices();
        runtime.calls.clear();
        logBuffer.append("a line from before the reset");
    }

    QString at(const QString &relative) const { return m_dir.filePath(relative); }
    bool exists(const QString &relative) const { return QFileInfo(at(relative)).exists(); }

    void write(const QString &relative)
    {
        QDir().mkpath(QFileInfo(at(relative)).absolutePath());
        QFile file(at(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }

    std::optional<ResetError> reset()
    {
        FactoryReset factoryReset({
            .launch = launch,
            .defaults = defaults,
            .loginItem = LoginItem(at(loginEntry)),
            .logBuffer = logBuffer,
            .folders = folders,
            .bundleIdentifier = bundleIdentifier,
            .configuration = configuration,
            .terminate = [this] { ++terminations; },
        });
        return factoryReset.perform();
    }

    // What a failure must leave: the application running on, its services started again.
    void expectStillRunning()
    {
        EXPECT_EQ(terminations, 0);
        EXPECT_EQ(runtime.calls, stopOrder + startOrder);
        EXPECT_TRUE(launch.runtimeServicesStarted());
        EXPECT_EQ(logBuffer.entries().size(), 1);
    }

    QTemporaryDir m_dir;
    ResetFolders folders{at("home"), at("config"), at("cache"), at("state"), at("data")};
    std::optional<QString> bundleIdentifier = QStringLiteral("local.lumenpause.app");
    AppConfiguration configuration;
    AppStateStore stateStore;
    ActivationController activation{stateStore};
    WindowManager windowManager{activation, stateStore};
    LaunchCoordinator launch{stateStore, activation, windowManager, services()};
    LogBuffer logBuffer;
    int terminations = 0;
};

} // namespace

TEST_F(FactoryResetTest, StopsTheServicesDeletesEverythingOfItsOwnAndTerminates)
{
    EXPECT_FALSE(reset());

    EXPECT_EQ(runtime.calls, stopOrder) << "nothing may start again before the end";
    for (const QString &path : ownFiles + QStringList{loginEntry})
        EXPECT_FALSE(exists(path)) << path.toStdString();
    EXPECT_FALSE(exists("config/lumenpause"));
    EXPECT_FALSE(exists("data/Lumenpause"));
    for (const QString &path : othersFiles)
        EXPECT_TRUE(exists(path)) << path.toStdString();
    EXPECT_TRUE(defaults.persistentDomain().isEmpty());
    EXPECT_TRUE(logBuffer.entries().isEmpty());
    EXPECT_EQ(terminations, 1);
}

TEST_F(FactoryResetTest, WithNothingOfItsOwnLeftItStillClearsTheLogAndTerminates)
{
    for (const char *folder : {"config/lumenpause", "cache/lumenpause", "state/lumenpause",
                               "data/Lumenpause", "data/Lumenpause-local.lumenpause.app"})
        ASSERT_TRUE(QDir(at(folder)).removeRecursively());
    ASSERT_TRUE(QFile::remove(at(loginEntry)));

    EXPECT_FALSE(reset());
    EXPECT_TRUE(exists("config/autostart/other.desktop"));
    EXPECT_TRUE(logBuffer.entries().isEmpty());
    EXPECT_EQ(terminations, 1);
}

TEST_F(FactoryResetTest, ALoginItemThatCannotBeRemovedStopsItBeforeAnythingIsDeleted)
{
    ASSERT_TRUE(QFile::remove(at(loginEntry)));
    write(loginEntry + "/inside");

    const auto error = reset();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), ResetError::Kind::loginItem);
    EXPECT_EQ(FactoryReset::failureMessage(*error),
              "Reset failed: Could not remove " + at(loginEntry) + ": it is a folder, not a file");
    for (const QString &path : ownFiles)
        EXPECT_TRUE(exists(path)) << path.toStdString();
    EXPECT_TRUE(defaults.boolean("hasCompletedOnboarding"));
    expectStillRunning();
}

TEST_F(FactoryResetTest, AnUndeletableTargetEndsTheWipeThereAndLeavesTheRest)
{
    // In a folder of its own inside the settings folder, the second target: an ordinary user
    // cannot set the immutable flag, and the read-only folder that pins the file instead must
    // not be the one holding the first target, the settings file.
    UndeletableFile pinned(at("config/lumenpause/pinned/file"));
    if (!pinned.isActive())
        GTEST_SKIP() << "no way to make a file undeletable here";

    const auto error = reset();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), ResetError::Kind::fileRemoval);
    EXPECT_TRUE(error->localizedDescription().startsWith("Could not remove " + at("config/lumenpause")));
    EXPECT_FALSE(exists("config/lumenpause/local.lumenpause.app.json")) << "the first target goes";
    EXPECT_TRUE(exists("cache/lumenpause/images/a.png")) << "the third is not tried";
    EXPECT_TRUE(exists("data/Lumenpause/lumenpause_stats.json"));
    EXPECT_FALSE(exists(loginEntry));
    EXPECT_TRUE(defaults.persistentDomain().isEmpty());
    expectStillRunning();
}

TEST_F(FactoryResetTest, AFolderWhereTheSettingsFileBelongsIsNotDeletedWhole)
{
    const QString settings = "config/lumenpause/local.lumenpause.app.json";
    ASSERT_TRUE(QFile::remove(at(settings)));
    write(settings + "/someone-elses");

    const auto error = reset();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), ResetError::Kind::fileRemoval);
    EXPECT_TRUE(exists(settings + "/someone-elses"));
    expectStillRunning();
}

TEST_F(FactoryResetTest, ALinkInPlaceOfItsFolderGoesWithoutWhatItPointsAt)
{
    ASSERT_TRUE(QDir(at("cache/lumenpause")).removeRecursively());
    write("elsewhere/precious");
    ASSERT_TRUE(QFile::link(at("elsewhere"), at("cache/lumenpause")));

    EXPECT_FALSE(reset());
    EXPECT_FALSE(QFileInfo(at("cache/lumenpause")).isSymLink());
    EXPECT_TRUE(exists("elsewhere/precious"));
}

TEST_F(FactoryResetTest, AnUnsafeBaseFolderRefusesBeforeTheLoginItemOrSettingsAreTouched)
{
    for (const QString &data : {QString(), at("home"), at("home") + "/"}) {
        folders.data = data;
        runtime.calls.clear();
        const auto error = reset();
        ASSERT_TRUE(error) << data.toStdString();
        EXPECT_EQ(error->kind(), ResetError::Kind::unsafeLocation);
        EXPECT_TRUE(error->localizedDescription().startsWith("Refusing to delete in XDG_DATA_HOME"));
        EXPECT_TRUE(exists(loginEntry));
        EXPECT_TRUE(exists("home/lumenpause/notes.txt"));
        EXPECT_TRUE(exists("config/lumenpause/local.lumenpause.app.json"));
        EXPECT_TRUE(defaults.boolean("hasCompletedOnboarding"));
        expectStillRunning();
    }
}

TEST_F(FactoryResetTest, WithoutAnApplicationIdOnlyTheLoginItemGoes)
{
    bundleIdentifier.reset();

    const auto error = reset();
    ASSERT_TRUE(error);
    EXPECT_EQ(FactoryReset::failureMessage(*error),
              "Reset failed: The app bundle identifier is unavailable.");
    EXPECT_FALSE(exists(loginEntry));
    for (const QString &path : ownFiles)
        EXPECT_TRUE(exists(path)) << path.toStdString();
    EXPECT_TRUE(defaults.boolean("hasCompletedOnboarding"));
    expectStillRunning();
}

TEST_F(FactoryResetTest, AFailureDuringOnboardingStartsNoServices)
{
    launch.stopRuntimeServices();
    runtime.calls.clear();
    bundleIdentifier.reset();

    EXPECT_TRUE(reset());
    EXPECT_EQ(runtime.calls, stopOrder);
    EXPECT_FALSE(launch.runtimeServicesStarted());
}

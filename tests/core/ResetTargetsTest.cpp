#include "core/ResetFolders.h"
#include "core/ResetTargets.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString id = QStringLiteral("local.lumenpause.app");

ResetFolders sampleFolders()
{
    return {.home = "/home/ann",
            .config = "/home/ann/.config",
            .cache = "/home/ann/.cache",
            .state = "/home/ann/.local/state",
            .data = "/home/ann/.local/share"};
}

ResetTarget file(const QString &path)
{
    return {path, ResetTargetKind::file};
}

ResetTarget folder(const QString &path)
{
    return {path, ResetTargetKind::folder};
}

QString refusalFor(const ResetFolders &folders, const QString &bundleIdentifier = id,
                   const QStringList &names = {"Lumenpause"})
{
    QString refusal;
    const auto targets = ResetTargets::plan(folders, bundleIdentifier, names, &refusal);
    return targets ? QString() : refusal;
}

} // namespace

TEST(ResetTargetsTest, ProductionListsTheSettingsCacheStateAndBothDataFoldersInOrder)
{
    AppConfiguration production;
    const QStringList names = applicationSupportFolderNames(production, id);
    EXPECT_EQ(names, QStringList({"Lumenpause", "Lumenpause-local.lumenpause.app"}));

    const auto targets = ResetTargets::plan(sampleFolders(), id, names);
    ASSERT_TRUE(targets);
    EXPECT_EQ(*targets, QList<ResetTarget>({
                            file("/home/ann/.config/lumenpause/local.lumenpause.app.json"),
                            folder("/home/ann/.config/lumenpause"),
                            folder("/home/ann/.cache/lumenpause"),
                            folder("/home/ann/.local/state/lumenpause"),
                            folder("/home/ann/.local/share/Lumenpause"),
                            folder("/home/ann/.local/share/Lumenpause-local.lumenpause.app"),
                        }));
}

TEST(ResetTargetsTest, StagingKeepsAwayFromTheProductionDataFolder)
{
    AppConfiguration staging;
    staging.environment = AppEnvironment::staging;
    const QStringList names = applicationSupportFolderNames(staging, "beta.app");
    EXPECT_EQ(names, QStringList({"Lumenpause-beta.app"}));

    const auto targets = ResetTargets::plan(sampleFolders(), "beta.app", names);
    ASSERT_TRUE(targets);
    EXPECT_EQ(targets->last(), folder("/home/ann/.local/share/Lumenpause-beta.app"));
    EXPECT_FALSE(targets->contains(folder("/home/ann/.local/share/Lumenpause")));
}

TEST(ResetTargetsTest, APathThatComesUpTwiceIsListedOnce)
{
    ResetFolders folders = sampleFolders();
    folders.state = folders.cache + "/"; // the same folder, written differently
    const auto targets = ResetTargets::plan(folders, id, {"Lumenpause"});
    ASSERT_TRUE(targets);
    EXPECT_EQ(targets->count(folder("/home/ann/.cache/lumenpause")), 1);
    EXPECT_EQ(targets->size(), 4);
}

TEST(ResetTargetsTest, RefusesBaseFoldersThatAreUnknownRelativeRootOrTheHomeItself)
{
    const std::pair<std::function<void(ResetFolders &)>, QString> cases[] = {
        {[](ResetFolders &f) { f.data = ""; }, "XDG_DATA_HOME: its folder is not known"},
        {[](ResetFolders &f) { f.config = "/home/ann"; }, "XDG_CONFIG_HOME (/home/ann): it is the home folder itself"},
        {[](ResetFolders &f) { f.cache = "/home/ann/"; }, "it is the home folder itself"},
        {[](ResetFolders &f) { f.state = "/home/ann/x/.."; }, "it is the home folder itself"},
        {[](ResetFolders &f) { f.data = "/"; }, "it is the root folder"},
        {[](ResetFolders &f) { f.cache = ".cache"; }, "it is not an absolute path"},
        {[](ResetFolders &f) { f.home = ""; }, "the home folder is not known"},
    };
    for (const auto &[change, expected] : cases) {
        ResetFolders folders = sampleFolders();
        change(folders);
        const QString refusal = refusalFor(folders);
        EXPECT_TRUE(refusal.contains(expected)) << refusal.toStdString() << " / " << expected.toStdString();
    }
}

TEST(ResetTargetsTest, RefusesNamesThatAreNotTheApplicationsOwn)
{
    // An empty or climbing name would point at the data folder itself or above it.
    for (const QString &name : QStringList{"", ".", "..", "Documents", "Lumenpause-", "Lumenpause/../x"})
        EXPECT_FALSE(refusalFor(sampleFolders(), id, {"Lumenpause", name}).isEmpty()) << name.toStdString();
    for (const QString &badId : QStringList{"", "..", "a/b"})
        EXPECT_FALSE(refusalFor(sampleFolders(), badId).isEmpty()) << badId.toStdString();
}

TEST(ResetTargetsTest, StandardFoldersSeeThroughALinkToTheHomeFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString link = dir.filePath("cache-link");
    ASSERT_TRUE(QFile::link(QDir::homePath(), link));
    const QByteArray savedCache = qgetenv("XDG_CACHE_HOME");
    const QByteArray savedState = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_CACHE_HOME", QFile::encodeName(link));
    qunsetenv("XDG_STATE_HOME");

    const ResetFolders folders = ResetFolders::standard();

    qputenv("XDG_CACHE_HOME", savedCache);
    qputenv("XDG_STATE_HOME", savedState);
    EXPECT_EQ(folders.cache, folders.home);
    EXPECT_EQ(folders.state, QDir::homePath() + "/.local/state");
    EXPECT_TRUE(refusalFor(folders).contains("XDG_CACHE_HOME"));
}

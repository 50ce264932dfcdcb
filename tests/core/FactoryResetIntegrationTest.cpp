#include "support/AppHome.h"
#include "support/AppProcess.h"
#include "support/TestServices.h"
#include "support/UndeletableFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

// The real application reset while it runs, from its settings window's Advanced pane, on a home
// holding everything the application ever writes.

namespace {

constexpr int startTimeoutMs = 20000;
constexpr int exitTimeoutMs = 10000;
const QString servicesStarted = QStringLiteral("[Launch] runtime_services_started");

class FactoryResetIntegrationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_home.isValid());
        const QProcessEnvironment environment = m_home.environment();
        for (const char *variable : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME", "XDG_DATA_HOME"})
            m_base[variable] = environment.value(QString::fromLatin1(variable));
        ASSERT_TRUE(m_home.writeSettings({{"hasCompletedOnboarding", true},
                                          {"idleDetectionEnabled", false}}));
        for (const QString &path : ownFiles())
            write(path);
        write(m_base["XDG_CONFIG_HOME"] + "/other-app/settings.json");
    }

    QStringList ownFiles()
    {
        return {m_home.statisticsFilePath(),
                m_base["XDG_CONFIG_HOME"] + "/autostart/local.lumenpause.app.desktop",
                m_base["XDG_CACHE_HOME"] + "/lumenpause/thumbnails/a.png",
                m_base["XDG_STATE_HOME"] + "/lumenpause/last-window",
                m_base["XDG_DATA_HOME"] + "/Lumenpause-local.lumenpause.app/old.json"};
    }

    static void write(const QString &path)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[]");
    }

    // Started and through its launch, ready for the reset.
    void startApp(AppProcess &app)
    {
        ASSERT_TRUE(QFileInfo::exists(toolPath())) << "build the test tools first";
        ASSERT_TRUE(app.start());
        ASSERT_TRUE(app.waitForLog(servicesStarted, startTimeoutMs)) << app.log().toStdString();
    }

    static QString toolPath()
    {
        return QCoreApplication::applicationDirPath() + "/reset_running_app";
    }

    AppHome m_home;
    QHash<QString, QString> m_base;
};

} // namespace

TEST_F(FactoryResetIntegrationTest, DeletesEverythingItOwnsAndQuitsWithoutWritingItBack)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    AppProcess app(m_home.environment(), toolPath());
    startApp(app);

    app.write("reset\n");
    ASSERT_TRUE(app.waitForExit(exitTimeoutMs)) << app.log().toStdString();
    EXPECT_TRUE(app.exitedNormally());
    EXPECT_EQ(app.exitCode(), 0) << app.log().toStdString();
    EXPECT_FALSE(app.hasLog("Reset failed"));
    // Checked after the exit: the flush at quit must not bring the settings back.
    EXPECT_FALSE(QFileInfo::exists(m_home.settingsFilePath()));
    for (const QString &path : ownFiles())
        EXPECT_FALSE(QFileInfo::exists(path)) << path.toStdString();
    for (const QString &folder : {m_base["XDG_CONFIG_HOME"] + "/lumenpause",
                                  m_base["XDG_CACHE_HOME"] + "/lumenpause",
                                  m_base["XDG_STATE_HOME"] + "/lumenpause",
                                  m_base["XDG_DATA_HOME"] + "/Lumenpause",
                                  m_base["XDG_DATA_HOME"] + "/Lumenpause-local.lumenpause.app"})
        EXPECT_FALSE(QFileInfo::exists(folder)) << folder.toStdString();
    EXPECT_TRUE(QFileInfo::exists(m_base["XDG_CONFIG_HOME"] + "/other-app/settings.json"));
}

TEST_F(FactoryResetIntegrationTest, AnUndeletableFolderReportsTheFailureAndTheAppRunsOn)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    UndeletableFile pinned(m_base["XDG_CACHE_HOME"] + "/lumenpause/pinned");
    if (!pinned.isActive())
        GTEST_SKIP() << "no way to make a file undeletable here";
    AppProcess app(m_home.environment(), toolPath());
    startApp(app);

    app.write("reset\n");
    ASSERT_TRUE(app.waitForLog("Reset failed: Could not remove " + m_base["XDG_CACHE_HOME"]
                                   + "/lumenpause: ",
                               exitTimeoutMs))
        << app.log().toStdString();
    // Its services come back, and it still ends cleanly when the session ends it.
    ASSERT_TRUE(app.waitForLog("runtime_services_stopped", exitTimeoutMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return app.log().count(servicesStarted) == 2; }, exitTimeoutMs))
        << app.log().toStdString();
    EXPECT_TRUE(app.isRunning());
    EXPECT_FALSE(QFileInfo::exists(m_base["XDG_CONFIG_HOME"] + "/lumenpause/local.lumenpause.app.json"));
    EXPECT_TRUE(QFileInfo::exists(m_base["XDG_STATE_HOME"] + "/lumenpause/last-window"));
    EXPECT_TRUE(QFileInfo::exists(m_home.statisticsFilePath()));
    EXPECT_TRUE(app.terminate(exitTimeoutMs));
    EXPECT_EQ(app.exitCode(), 0);
}

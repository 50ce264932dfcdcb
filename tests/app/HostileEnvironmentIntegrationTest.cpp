#include "platform/linux/GraphicalSessionProbe.h"
#include "support/AppHome.h"
#include "support/AppProcess.h"
#include "support/TestServices.h"
#include "support/X11Probe.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

// The real application where its surroundings fail it: no display at all, the terminal that
// started it closing, its X server going away, nobody reading its standard error, and an
// environment whose folders are relative or missing.

namespace {

constexpr int startTimeoutMs = 20000;
constexpr int exitTimeoutMs = 10000;
const QString runningLine = QStringLiteral("[Launch] runtime_services_started");

QString driverPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/drive_running_app");
}

QProcessEnvironment onboardedEnvironment(const AppHome &home)
{
    // The test desktop has had no input since it started: that must not count as away.
    EXPECT_TRUE(home.writeSettings({{"hasCompletedOnboarding", true},
                                    {"idleDetectionEnabled", false}}));
    return home.environment();
}

qint64 storedInteger(const AppHome &home, const QString &key)
{
    QFile file(home.settingsFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return QJsonDocument::fromJson(file.readAll()).object().value(key).toInteger(-1);
}

// A display number nothing answers on: no socket in the file system nor the abstract one.
QString unusedDisplay()
{
    QFile sockets(QStringLiteral("/proc/net/unix"));
    const QByteArray listening = sockets.open(QIODevice::ReadOnly) ? sockets.readAll() : QByteArray();
    for (int number = 737;; ++number) {
        const QByteArray socket = "/tmp/.X11-unix/X" + QByteArray::number(number);
        if (!QFile::exists(QString::fromLatin1(socket)) && !listening.contains(socket + '\n'))
            return QStringLiteral(":%1").arg(number);
    }
}

// Reads a pipe until the text has come, the deadline passes or the writers are gone.
bool readUntil(int fd, const QByteArray &text, int timeoutMs, QByteArray *seen)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!seen->contains(text)) {
        pollfd ready = {fd, POLLIN, 0};
        if (::poll(&ready, 1, int(deadline.remainingTime())) <= 0)
            return false;
        char buffer[4096];
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count <= 0)
            return false;
        seen->append(buffer, count);
    }
    return true;
}

// Whatever the pipe holds now, without waiting for more.
QByteArray readAvailable(int fd)
{
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    QByteArray bytes;
    char buffer[65536];
    for (ssize_t count; (count = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, count);
    return bytes;
}

bool isEmptyFolder(const QString &path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty();
}

// A user id the password database does not know, as a container's made-up user.
uid_t unknownUserId()
{
    uid_t uid = 4000000;
    while (::getpwuid(uid))
        ++uid;
    return uid;
}

// Has the process run the program under that id as a container would: in a user namespace
// of its own, where this account goes by the unknown id. The program keeps this account's
// access to files, so this needs no privilege and reaches the binary however private the
// checkout's folder is.
void runAsUnknownUser(QProcess &process, const QString &program)
{
    process.setProgram(QStringLiteral("unshare"));
    process.setArguments({QStringLiteral("--user"),
                          QStringLiteral("--map-user=%1").arg(unknownUserId()), program});
}

// False where the system keeps ordinary processes out of user namespaces.
bool canRunAsUnknownUser()
{
    QProcess probe;
    runAsUnknownUser(probe, QStringLiteral("true"));
    probe.start();
    return probe.waitForFinished(exitTimeoutMs) && probe.exitStatus() == QProcess::NormalExit
        && probe.exitCode() == 0;
}

// An X server of the test's own, to take away from under the application.
class PrivateXServer
{
public:
    PrivateXServer()
    {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            return;
        const int writeEnd = fds[1];
        m_server.setChildProcessModifier([writeEnd] { ::dup2(writeEnd, 3); });
        m_server.start(QStringLiteral("Xvfb"), {"-displayfd", "3", "-screen", "0", "1280x800x24",
                                                "-nolisten", "tcp", "-noreset"});
        ::close(fds[1]);
        QByteArray number;
        if (m_server.waitForStarted() && readUntil(fds[0], "\n", startTimeoutMs, &number))
            m_display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
        ::close(fds[0]);
    }
    ~PrivateXServer() { stop(); }

    QString display() const { return m_display; }
    void stop()
    {
        m_server.terminate();
        m_server.waitForFinished();
    }

private:
    QProcess m_server;
    QString m_display;
};

} // namespace

TEST(HostileEnvironmentIntegrationTest, WithoutADisplayItSaysSoAndExitsWithOne)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    AppHome home;
    QProcessEnvironment environment = home.environment();
    const QString display = unusedDisplay();
    environment.insert("DISPLAY", display);
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM"); // as a user's shell: Qt's own choice of platform
    AppProcess app(environment);
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(app.waitForExit(exitTimeoutMs));
    EXPECT_TRUE(app.exitedNormally()) << app.log().toStdString();
    EXPECT_EQ(app.exitCode(), 1);
    EXPECT_EQ(app.log(), "Lumenpause needs a graphical session: no display could be opened "
                         "(DISPLAY=" + display + ")\n");
}

// A compositor's socket where Qt has no Wayland platform to use it with: whether or not the
// session names the socket, or asks for Wayland outright, the user is told what is missing
// and the process ends with 1, not by the toolkit's abort.
TEST(HostileEnvironmentIntegrationTest, AWaylandSocketWithoutQtsWaylandPlatformSaysSoAndExitsWithOne)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (GraphicalSessionProbe::waylandPluginIn(GraphicalSessionProbe::platformPluginFolders()))
        GTEST_SKIP() << "this Qt has a Wayland platform";
    struct Case
    {
        const char *waylandDisplay; // unset when null
        const char *platform;       // unset when null
    };
    const Case cases[] = {{nullptr, nullptr}, {"wayland-0", nullptr}, {"wayland-0", "wayland"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string("WAYLAND_DISPLAY=") + (c.waylandDisplay ? c.waylandDisplay : "(unset)")
                     + " QT_QPA_PLATFORM=" + (c.platform ? c.platform : "(unset)"));
        AppHome home;
        QProcessEnvironment environment = home.environment();
        QLocalServer compositor;
        ASSERT_TRUE(compositor.listen(environment.value("XDG_RUNTIME_DIR") + "/wayland-0"));
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        if (c.waylandDisplay)
            environment.insert("WAYLAND_DISPLAY", c.waylandDisplay);
        if (c.platform)
            environment.insert("QT_QPA_PLATFORM", c.platform);
        AppProcess app(environment);
        ASSERT_TRUE(app.start());
        ASSERT_TRUE(app.waitForExit(exitTimeoutMs));
        EXPECT_TRUE(app.exitedNormally()) << app.log().toStdString();
        EXPECT_EQ(app.exitCode(), 1);
        EXPECT_EQ(app.log(), "Lumenpause needs a graphical session: no display could be opened (DISPLAY=)\n");
    }
}

// Closing the terminal that started the application is a termination like any other, and the
// setting changed a moment before still reaches the disk.
TEST(HostileEnvironmentIntegrationTest, HangUpEndsItCleanlyWithThePendingSettingWritten)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    AppHome home;
    AppProcess app(onboardedEnvironment(home), driverPath());
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(app.waitForLog(runningLine, startTimeoutMs)) << app.log().toStdString();
    app.write("set breakInterval 45\n");
    ASSERT_TRUE(app.waitForLog("driver: set breakInterval 45 done", exitTimeoutMs));

    app.sendSignal(SIGHUP); // well within the second the write waits
    ASSERT_TRUE(app.waitForExit(exitTimeoutMs));
    EXPECT_TRUE(app.exitedNormally()) << app.log().toStdString();
    EXPECT_EQ(app.exitCode(), 0);
    EXPECT_TRUE(app.hasLog("[Launch] terminate")) << app.log().toStdString();
    EXPECT_EQ(storedInteger(home, "breakInterval"), 45);
}

// Qt ends the process itself when its X connection breaks; the waiting setting is written
// on the way out all the same.
TEST(HostileEnvironmentIntegrationTest, LosingTheDisplayStillWritesThePendingSetting)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    PrivateXServer server;
    ASSERT_FALSE(server.display().isEmpty()) << "no X server of the test's own";
    AppHome home;
    QProcessEnvironment environment = onboardedEnvironment(home);
    environment.insert("DISPLAY", server.display());
    AppProcess app(environment, driverPath());
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(app.waitForLog(runningLine, startTimeoutMs)) << app.log().toStdString();
    app.write("set breakInterval 45\n");
    ASSERT_TRUE(app.waitForLog("driver: set breakInterval 45 done", exitTimeoutMs));

    server.stop();
    ASSERT_TRUE(app.waitForExit(exitTimeoutMs)) << app.log().toStdString();
    EXPECT_EQ(storedInteger(home, "breakInterval"), 45) << app.log().toStdString();
}

// `lumenpause 2>&1 | grep …` after grep has ended: the next log line must not end the
// application, and its next break still comes.
TEST(HostileEnvironmentIntegrationTest, AClosedStandardErrorPipeDoesNotStopTheNextBreak)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    X11Probe probe;
    ASSERT_TRUE(probe.isOpen());
    AppHome home;
    int fds[2];
    ASSERT_EQ(::pipe2(fds, O_CLOEXEC), 0);
    QProcess app;
    app.setProgram(driverPath());
    app.setProcessEnvironment(onboardedEnvironment(home));
    app.setStandardOutputFile(QProcess::nullDevice());
    const int writeEnd = fds[1];
    app.setChildProcessModifier([writeEnd] { ::dup2(writeEnd, STDERR_FILENO); });
    app.start();
    ::close(fds[1]);
    ASSERT_TRUE(app.waitForStarted(startTimeoutMs));
    QByteArray log;
    const bool running = readUntil(fds[0], runningLine.toUtf8(), startTimeoutMs, &log);
    ::close(fds[0]); // the reader goes away
    ASSERT_TRUE(running) << log.constData();

    app.write("break\n");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !probe.viewableWindowsTitled(QStringLiteral("Lumenpause break")).isEmpty(); },
        exitTimeoutMs))
        << "no break on screen";
    ASSERT_EQ(app.state(), QProcess::Running);
    ::kill(pid_t(app.processId()), SIGTERM);
    ASSERT_TRUE(app.waitForFinished(exitTimeoutMs));
    EXPECT_EQ(app.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(app.exitCode(), 0);
}

// `lumenpause 2>&-`: the number of the closed standard error must not go to the next socket
// opened, where log lines would garble the X or bus connection.
TEST(HostileEnvironmentIntegrationTest, AClosedStandardErrorTakesNoConnectionsNumber)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    X11Probe probe;
    ASSERT_TRUE(probe.isOpen());
    AppHome home;
    QProcess app;
    app.setProgram(driverPath());
    app.setProcessEnvironment(onboardedEnvironment(home));
    app.setStandardOutputFile(QProcess::nullDevice());
    app.setChildProcessModifier([] { ::close(STDERR_FILENO); });
    app.start();
    ASSERT_TRUE(app.waitForStarted(startTimeoutMs));
    app.write("break\n");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !probe.viewableWindowsTitled(QStringLiteral("Lumenpause break")).isEmpty(); },
        startTimeoutMs))
        << "no break on screen";
    const QString standardError = QFile::symLinkTarget(QStringLiteral("/proc/%1/fd/2").arg(app.processId()));
    EXPECT_EQ(standardError, "/dev/null");
    ::kill(pid_t(app.processId()), SIGTERM);
    ASSERT_TRUE(app.waitForFinished(exitTimeoutMs));
    EXPECT_EQ(app.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(app.exitCode(), 0);
}

// `lumenpause 2>fifo` with a reader that never reads: once the pipe is full the break still
// comes, and when the reader takes lines again the first says how many were lost.
TEST(HostileEnvironmentIntegrationTest, AStandardErrorNobodyReadsStopsNeitherTheBreakNorTheEnd)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    X11Probe probe;
    ASSERT_TRUE(probe.isOpen());
    AppHome home;
    QTemporaryDir folder;
    const QByteArray fifo = QFile::encodeName(folder.filePath("log"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    const int writeEnd = ::open(fifo.constData(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    ASSERT_GE(writeEnd, 0);
    ASSERT_GT(::fcntl(writeEnd, F_SETPIPE_SZ, 4096), 0); // a page: a few dozen lines fill it
    QProcess app;
    app.setProgram(driverPath());
    app.setProcessEnvironment(onboardedEnvironment(home));
    app.setStandardOutputFile(QProcess::nullDevice());
    app.setChildProcessModifier([writeEnd] { ::dup2(writeEnd, STDERR_FILENO); });
    app.start();
    ::close(writeEnd);
    ASSERT_TRUE(app.waitForStarted(startTimeoutMs));
    QByteArray log;
    ASSERT_TRUE(readUntil(reader, runningLine.toUtf8(), startTimeoutMs, &log)) << log.constData();

    // From here nobody reads: each command logs a line, and the pipe is full long before the
    // break is asked for.
    for (int i = 0; i < 100; ++i)
        app.write("set breakInterval 20\n");
    app.write("break\n");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !probe.viewableWindowsTitled(QStringLiteral("Lumenpause break")).isEmpty(); },
        exitTimeoutMs))
        << "no break on screen";

    log = readAvailable(reader);
    ::kill(pid_t(app.processId()), SIGTERM);
    readUntil(reader, "[Launch] terminate", exitTimeoutMs, &log);
    ASSERT_TRUE(app.waitForFinished(exitTimeoutMs)) << "SIGTERM did not end it";
    EXPECT_EQ(app.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(app.exitCode(), 0);
    EXPECT_TRUE(log.contains("[WARN] [App] log_lines_lost | count=")) << log.constData();
    EXPECT_TRUE(log.contains("[Launch] terminate")) << log.constData();
    ::close(reader);
}

// Relative base folders started from another folder: ignored with one warning, so the
// settings, statistics and lock are the home's own and nothing lands in the working folder.
TEST(HostileEnvironmentIntegrationTest, RelativeXdgPathsAreIgnoredForTheHomesFolders)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    AppHome home;
    QProcessEnvironment environment = home.environment();
    const QString homeFolder = environment.value("HOME");
    const QString settingsFolder = homeFolder + "/.config/lumenpause";
    ASSERT_TRUE(QDir().mkpath(settingsFolder));
    QFile settings(settingsFolder + "/local.lumenpause.app.json");
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(R"({"hasCompletedOnboarding": true, "idleDetectionEnabled": false})");
    settings.close();
    for (const char *variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        environment.insert(variable, QStringLiteral("rel/") + QString::fromLatin1(variable).toLower());
    QTemporaryDir workingFolder;

    AppProcess app(environment);
    app.setWorkingDirectory(workingFolder.path());
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(app.waitForLog(runningLine, startTimeoutMs)) << app.log().toStdString();
    EXPECT_EQ(app.log().count("relative_xdg_paths_ignored | XDG_CACHE_HOME=rel/xdg_cache_home "
                              "XDG_CONFIG_HOME=rel/xdg_config_home XDG_DATA_HOME=rel/xdg_data_home "
                              "XDG_STATE_HOME=rel/xdg_state_home"),
              1)
        << app.log().toStdString();
    EXPECT_TRUE(QFileInfo::exists(homeFolder + "/.local/share/Lumenpause/instance.lock"));
    EXPECT_TRUE(app.terminate(exitTimeoutMs));
    EXPECT_TRUE(isEmptyFolder(workingFolder.path()));
}

// With HOME unset the home is the account's; with no account home either, the user is told
// and the process ends with 1. Nothing is made at the root of the file system.
TEST(HostileEnvironmentIntegrationTest, WithoutHomeItTakesTheAccountsOrSaysSoAndExitsWithOne)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    const bool rootFoldersBefore = QFileInfo::exists("/.config") || QFileInfo::exists("/.local");
    AppHome home;
    QProcessEnvironment environment = onboardedEnvironment(home);
    environment.remove("HOME");
    QTemporaryDir workingFolder;
    {
        AppProcess app(environment);
        app.setWorkingDirectory(workingFolder.path());
        ASSERT_TRUE(app.start());
        ASSERT_TRUE(app.waitForLog(runningLine, startTimeoutMs)) << app.log().toStdString();
        EXPECT_EQ(app.log().count("home_from_account | HOME=(unset)"), 1) << app.log().toStdString();
        EXPECT_TRUE(app.terminate(exitTimeoutMs));
    }

    if (!canRunAsUnknownUser())
        GTEST_SKIP() << "no user namespace here to run it as a user the system does not know";
    QProcess stranger;
    runAsUnknownUser(stranger, AppProcess::binaryPath());
    stranger.setProcessEnvironment(environment);
    stranger.setWorkingDirectory(workingFolder.path());
    stranger.setStandardOutputFile(QProcess::nullDevice());
    stranger.start();
    ASSERT_TRUE(stranger.waitForFinished(exitTimeoutMs)) << "it ran without a home";
    EXPECT_EQ(stranger.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(stranger.exitCode(), 1);
    EXPECT_EQ(stranger.readAllStandardError(),
              "Lumenpause needs a home folder for its settings: HOME is not set, and the user "
              "account names no home either\n");

    EXPECT_TRUE(isEmptyFolder(workingFolder.path()));
    if (!rootFoldersBefore) {
        EXPECT_FALSE(QFileInfo::exists("/.config"));
        EXPECT_FALSE(QFileInfo::exists("/.local"));
    }
}

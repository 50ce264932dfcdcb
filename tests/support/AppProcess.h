#pragma once

#include <QDateTime>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <optional>

// The real application binary, started as a user starts it, with its log read from standard
// error (where lines go when no journal runs). Stopped with SIGTERM when it goes out of
// scope, however the test ends.
class AppProcess
{
public:
    // The application binary unless another program (a test tool built on it) is given.
    explicit AppProcess(const QProcessEnvironment &environment, const QString &program = binaryPath());
    ~AppProcess();

    static QString binaryPath();
    // With a journal the log goes there and cannot be read here.
    static bool logIsReadable();

    // Handed to the program; none unless set.
    void setArguments(const QStringList &arguments) { m_process.setArguments(arguments); }
    // The folder it is started from; the test's own unless set.
    void setWorkingDirectory(const QString &folder) { m_process.setWorkingDirectory(folder); }
    bool start();
    // To the program's standard input.
    void write(const QByteArray &bytes);
    // Whether a log line containing the text, after the log's first `from` characters, came
    // within the deadline; false at once when the process ends first.
    bool waitForLog(const QString &text, int timeoutMs, qsizetype from = 0);
    bool waitForExit(int timeoutMs);
    // SIGTERM, then the wait for a clean end.
    bool terminate(int timeoutMs);
    void sendSignal(int signalNumber);

    QString log();
    bool hasLog(const QString &text);
    // When the first log line that contains the text, at or after the log's first `from`
    // characters, was written, by the line's own stamp; none before such a line comes. Real
    // time is measured between these: the moment the application logged, not the moment the
    // test read it.
    std::optional<QDateTime> loggedAt(const QString &text, qsizetype from = 0);
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    qint64 pid() const { return m_process.processId(); }
    int exitCode() const { return m_process.exitCode(); }
    bool exitedNormally() const { return m_process.exitStatus() == QProcess::NormalExit; }

private:
    void readLog();

    QProcess m_process;
    QString m_log;
};

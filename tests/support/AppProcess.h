#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

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

    // The folder it is started from; the test's own unless set.
    void setWorkingDirectory(const QString &folder) { m_process.setWorkingDirectory(folder); }
    bool start();
    // To the program's standard input.
    void write(const QByteArray &bytes);
    // Whether a log line containing the text came within the deadline; false at once when
    // the process ends first.
    bool waitForLog(const QString &text, int timeoutMs);
    bool waitForExit(int timeoutMs);
    // SIGTERM, then the wait for a clean end.
    bool terminate(int timeoutMs);
    void sendSignal(int signalNumber);

    QString log();
    bool hasLog(const QString &text);
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    qint64 pid() const { return m_process.processId(); }
    int exitCode() const { return m_process.exitCode(); }
    bool exitedNormally() const { return m_process.exitStatus() == QProcess::NormalExit; }

private:
    void readLog();

    QProcess m_process;
    QString m_log;
};

#include "support/AppProcess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <csignal>

namespace {

constexpr int startTimeoutMs = 20000;
constexpr int pollMs = 50;

} // namespace

AppProcess::AppProcess(const QProcessEnvironment &environment, const QString &program)
{
    m_process.setProgram(program);
    m_process.setProcessEnvironment(environment);
    m_process.setReadChannel(QProcess::StandardError);
    m_process.setStandardOutputFile(QProcess::nullDevice());
}

AppProcess::~AppProcess()
{
    if (isRunning() && !terminate(10000)) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

QString AppProcess::binaryPath()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../lumenpause"));
}

bool AppProcess::logIsReadable()
{
    return !QFileInfo::exists(QStringLiteral("/run/systemd/journal/socket"));
}

bool AppProcess::start()
{
    m_process.start();
    return m_process.waitForStarted(startTimeoutMs);
}

void AppProcess::write(const QByteArray &bytes)
{
    m_process.write(bytes);
    m_process.waitForBytesWritten();
}

bool AppProcess::waitForLog(const QString &text, int timeoutMs, qsizetype from)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        readLog();
        if (m_log.indexOf(text, from) >= 0)
            return true;
        if (deadline.hasExpired() || !isRunning())
            return false;
        m_process.waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), pollMs)));
    }
}

bool AppProcess::waitForExit(int timeoutMs)
{
    const bool ended = m_process.waitForFinished(timeoutMs);
    readLog();
    return ended;
}

bool AppProcess::terminate(int timeoutMs)
{
    if (!isRunning())
        return true;
    ::kill(pid_t(m_process.processId()), SIGTERM);
    return waitForExit(timeoutMs);
}

void AppProcess::sendSignal(int signalNumber)
{
    if (isRunning())
        ::kill(pid_t(m_process.processId()), signalNumber);
}

QString AppProcess::log()
{
    readLog();
    return m_log;
}

bool AppProcess::hasLog(const QString &text)
{
    return log().contains(text);
}

std::optional<QDateTime> AppProcess::loggedAt(const QString &text, qsizetype from)
{
    static const QRegularExpression stamp(QStringLiteral("^\\[([0-9-]+ [0-9:.]+)\\]"));
    const QString whole = log();
    const qsizetype found = whole.indexOf(text, from);
    if (found < 0)
        return std::nullopt;
    const qsizetype lineStart = whole.lastIndexOf(QLatin1Char('\n'), found) + 1;
    const QRegularExpressionMatch match = stamp.match(whole.mid(lineStart, found - lineStart));
    if (!match.hasMatch())
        return std::nullopt;
    return QDateTime::fromString(match.captured(1), QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

void AppProcess::readLog()
{
    m_log += QString::fromUtf8(m_process.readAllStandardError());
}

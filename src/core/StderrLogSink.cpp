#include "core/StderrLogSink.h"

#include "core/Logger.h"

#include <cerrno>

StderrLogSink::StderrLogSink(int fd)
    : m_output(fd)
{
}

void StderrLogSink::write(const LogRecord &record)
{
    if (record.level == LogLevel::Debug || m_readerGone)
        return;
    std::lock_guard lock(m_mutex);
    if (!finishUnfinished() || !sendLostNotice(record)) {
        ++m_lostLines;
        return;
    }
    // One write per line where it goes whole, so lines from several threads do not interleave.
    const Sent sent = send(record.line.toUtf8() + '\n');
    if (sent == Sent::none || sent == Sent::failed)
        ++m_lostLines;
}

bool StderrLogSink::finishUnfinished()
{
    if (m_unfinished.isEmpty())
        return true;
    const Sent sent = send(m_unfinished);
    if (sent == Sent::whole || sent == Sent::failed)
        m_unfinished.clear();
    return sent == Sent::whole;
}

// True when nothing was lost, or the line saying so went whole.
bool StderrLogSink::sendLostNotice(const LogRecord &record)
{
    if (m_lostLines == 0)
        return true;
    const QString message = formatLogEvent(
        QStringLiteral("log_lines_lost"),
        {{QStringLiteral("count"), QString::number(m_lostLines)},
         {QStringLiteral("reason"), QStringLiteral("standard error was full")}});
    const QByteArray notice =
        formatLogLine(record.time, LogLevel::Warn, QStringLiteral("App"), message).toUtf8() + '\n';
    const Sent sent = send(notice);
    if (sent == Sent::none || sent == Sent::failed)
        return false;
    m_lostLines = 0;
    return sent == Sent::whole;
}

StderrLogSink::Sent StderrLogSink::send(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = m_output.writeNow(bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0) {
            // A pipe without a reader stays so; any other failure loses this line only.
            if (errno == EPIPE)
                m_readerGone = true;
            return Sent::failed;
        }
        if (written == 0) {
            if (done == 0)
                return Sent::none;
            m_unfinished = bytes.mid(done);
            return Sent::part;
        }
        done += written;
    }
    return Sent::whole;
}

#include "core/StderrLogSink.h"

#include <cerrno>
#include <unistd.h>

StderrLogSink::StderrLogSink(int fd)
    : m_fd(fd)
{
}

void StderrLogSink::write(const LogRecord &record)
{
    if (record.level == LogLevel::Debug || m_readerGone)
        return;
    const QByteArray text = record.line.toUtf8() + '\n';
    // One write per line, so lines from several threads do not interleave.
    const char *data = text.constData();
    qsizetype left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(m_fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0) {
            // A pipe without a reader stays so; any other failure loses this line only.
            if (errno == EPIPE)
                m_readerGone = true;
            return;
        }
        data += written;
        left -= written;
    }
}

#include "core/StderrLogSink.h"

#include <cstdio>

void StderrLogSink::write(const LogRecord &record)
{
    if (record.level == LogLevel::Debug)
        return;
    const QByteArray text = record.line.toUtf8() + '\n';
    // One write per line, so lines from several threads do not interleave.
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    std::fflush(stderr);
}

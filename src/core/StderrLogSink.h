#pragma once

#include "core/LogSink.h"

#include <atomic>

#include <unistd.h>

// Writes each line of level INFO and above to standard error; DEBUG stays in the buffer.
// When the reader of a piped standard error has gone (`lumenpause 2>&1 | grep …` ended),
// the lines are dropped from then on: the process ignores SIGPIPE, and a log line must never
// end the application.
class StderrLogSink : public LogSink
{
public:
    explicit StderrLogSink(int fd = STDERR_FILENO);

    void write(const LogRecord &record) override;
    bool readerGone() const { return m_readerGone; }

private:
    int m_fd;
    std::atomic<bool> m_readerGone{false};
};

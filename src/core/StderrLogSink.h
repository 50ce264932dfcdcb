#pragma once

#include "core/LogSink.h"
#include "core/NonBlockingOutput.h"

#include <QByteArray>

#include <atomic>
#include <mutex>

#include <unistd.h>

// Writes each line of level INFO and above to standard error; DEBUG stays in the buffer.
// The application never waits on its log: a line the reader cannot take at once (a pipe
// nobody reads, a terminal stopped with Ctrl-S) is dropped and counted, and the first line
// that goes once the reader takes lines again is preceded by one saying how many were lost.
// A line the reader took only part of is finished before anything else, so lines never mix.
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
    enum class Sent { whole, part, none, failed };

    // Sends what goes at once; the rest of a line sent in part waits in m_unfinished.
    Sent send(const QByteArray &bytes);
    bool finishUnfinished();
    bool sendLostNotice(const LogRecord &record);

    NonBlockingOutput m_output;
    std::mutex m_mutex; // held only around writes that never wait on a reader
    QByteArray m_unfinished;
    quint64 m_lostLines = 0;
    std::atomic<bool> m_readerGone{false};
};

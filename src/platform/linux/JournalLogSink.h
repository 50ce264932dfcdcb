#pragma once

#include "core/LogSink.h"
#include "core/StderrLogSink.h"

// Sends each log line to the systemd journal, with the application id and the coarse
// category as fields. When no journal is reachable (containers, non-systemd sessions) the
// line goes to standard error instead.
class JournalLogSink : public LogSink
{
public:
    void write(const LogRecord &record) override;

private:
    StderrLogSink m_fallback;
};

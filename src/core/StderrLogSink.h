#pragma once

#include "core/LogSink.h"

// Writes each line of level INFO and above to standard error; DEBUG stays in the buffer.
class StderrLogSink : public LogSink
{
public:
    void write(const LogRecord &record) override;
};

#pragma once

#include "core/SerialQueue.h"

#include <QStringList>

// The last 1000 formatted log lines of every level, kept in memory only. Changes run on
// the "local.lumenpause.logbuffer" queue, so a log call never waits for them.
class LogBuffer
{
public:
    static constexpr qsizetype maxEntries = 1000;

    LogBuffer();
    static LogBuffer &shared();

    void append(QString line);
    void clear();

    // The lines oldest first, once everything handed in before this call has been applied.
    QStringList entries();

private:
    QStringList m_entries; // touched only on m_queue
    SerialQueue m_queue;
};

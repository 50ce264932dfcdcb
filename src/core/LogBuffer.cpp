#include "core/LogBuffer.h"

LogBuffer::LogBuffer()
    : m_queue(QStringLiteral("local.lumenpause.logbuffer"))
{
}

LogBuffer &LogBuffer::shared()
{
    // Never destroyed: log calls may come from other threads while the process exits.
    static auto *instance = new LogBuffer;
    return *instance;
}

void LogBuffer::append(QString line)
{
    m_queue.async([this, line = std::move(line)]() mutable {
        m_entries.append(std::move(line));
        if (m_entries.size() > maxEntries)
            m_entries.remove(0, m_entries.size() - maxEntries);
    });
}

void LogBuffer::clear()
{
    m_queue.async([this] { m_entries.clear(); });
}

QStringList LogBuffer::entries()
{
    QStringList copy;
    m_queue.sync([&] { copy = m_entries; });
    return copy;
}

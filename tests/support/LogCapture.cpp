#include "support/LogCapture.h"

#include "core/Logger.h"

#include <algorithm>

class LogCapture::Sink : public LogSink
{
public:
    void write(const LogRecord &record) override
    {
        std::lock_guard lock(mutex);
        records.append(record);
    }

    mutable std::mutex mutex;
    QList<LogRecord> records;
};

LogCapture::LogCapture()
    : m_sink(std::make_shared<Sink>())
{
    m_previous = setLogSink(m_sink);
}

LogCapture::~LogCapture()
{
    setLogSink(m_previous);
}

QList<LogRecord> LogCapture::records() const
{
    std::lock_guard lock(m_sink->mutex);
    return m_sink->records;
}

QStringList LogCapture::messages(const QString &category) const
{
    QStringList result;
    for (const LogRecord &record : records()) {
        if (record.category == category)
            result.append(record.message);
    }
    return result;
}

bool LogCapture::contains(const QString &category, const QString &message) const
{
    return count(category, message) > 0;
}

int LogCapture::count(const QString &category, const QString &message) const
{
    return int(messages(category).count(message));
}

int LogCapture::warnings() const
{
    const QList<LogRecord> all = records();
    return int(std::count_if(all.begin(), all.end(), [](const LogRecord &record) {
        return record.level == LogLevel::Warn;
    }));
}

int LogCapture::warnings(const QString &category) const
{
    const QList<LogRecord> all = records();
    return int(std::count_if(all.begin(), all.end(), [&](const LogRecord &record) {
        return record.level == LogLevel::Warn && record.category == category;
    }));
}

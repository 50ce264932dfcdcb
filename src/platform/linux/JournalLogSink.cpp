#include "platform/linux/JournalLogSink.h"

#include "core/Logger.h"

#include <syslog.h>
#include <systemd/sd-journal.h>

namespace {

int journalPriority(LogLevel level)
{
    switch (level) {
    case LogLevel::Debug: return LOG_DEBUG;
    case LogLevel::Info: return LOG_INFO;
    case LogLevel::Warn: return LOG_WARNING;
    case LogLevel::Error: return LOG_ERR;
    }
    return LOG_INFO;
}

} // namespace

void JournalLogSink::write(const LogRecord &record)
{
    const QByteArray message = record.message.toUtf8();
    const QByteArray subsystem = record.subsystem.toUtf8();
    const QByteArray group = logCategoryGroupName(record.group).toUtf8();
    const int result = sd_journal_send("MESSAGE=%s", message.constData(),
                                       "PRIORITY=%d", journalPriority(record.level),
                                       "SYSLOG_IDENTIFIER=lumenpause",
                                       "SUBSYSTEM=%s", subsystem.constData(),
                                       "CATEGORY=%s", group.constData(),
                                       nullptr);
    if (result < 0)
        m_fallback.write(record);
}

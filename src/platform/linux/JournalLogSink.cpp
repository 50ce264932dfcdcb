#include "platform/linux/JournalLogSink.h"

#include "core/Logger.h"

#include <syslog.h>
#include <systemd/sd-journal.h>
#include <unistd.h>

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

// sd_journal_send() reports success when the journal socket does not exist at all, so
// without this check every line would silently vanish on machines with no journal.
bool journalSocketExists()
{
    return access("/run/systemd/journal/socket", F_OK) == 0;
}

} // namespace

void JournalLogSink::write(const LogRecord &record)
{
    if (!journalSocketExists()) {
        m_fallback.write(record);
        return;
    }
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

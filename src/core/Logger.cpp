#include "core/Logger.h"

#include "core/Breadcrumbs.h"
#include "core/InfoDictionary.h"
#include "core/LogBuffer.h"
#include "core/StderrLogSink.h"

#include <QDir>
#include <QRegularExpression>

#include <array>
#include <cmath>
#include <mutex>

namespace {

struct SinkSlot
{
    std::mutex mutex;
    std::shared_ptr<LogSink> sink = std::make_shared<StderrLogSink>();
};

SinkSlot &sinkSlot()
{
    static auto *slot = new SinkSlot; // outlives every thread that may still log at exit
    return *slot;
}

std::shared_ptr<LogSink> currentSink()
{
    SinkSlot &slot = sinkSlot();
    std::lock_guard lock(slot.mutex);
    return slot.sink;
}

struct RedactionRule
{
    QRegularExpression pattern;
    QString replacement;
};

// Keys under which secrets travel: their values never reach a log line.
constexpr auto secretKeys =
    "password|passwd|passphrase|secret|client[_-]?secret|token|access[_-]?token|"
    "refresh[_-]?token|auth[_-]?token|api[_-]?key|apikey|private[_-]?key|authorization|"
    "cookie|session[_-]?id|credentials?|signature";

const std::array<RedactionRule, 3> &redactionRules()
{
    // One compiled set per thread: matching never contends for a shared pattern.
    thread_local const std::array<RedactionRule, 3> rules = {{
        {QRegularExpression(QStringLiteral(R"((?i)[A-Z0-9._%+-]+@[A-Z0-9.-]+\.[A-Z]{2,})")),
         QStringLiteral("[REDACTED_EMAIL]")},
        {QRegularExpression(QStringLiteral(
             R"((?i)\b[0-9a-f]{8}-[0-9a-f]{4}-[1-5][0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}\b)")),
         QStringLiteral("[REDACTED_ID]")},
        // No word boundary before the key: "userPassword", "sessionToken" and "githubToken"
        // carry secrets as much as the bare words do.
        {QRegularExpression(QStringLiteral(R"((?i)(%1)(["']?\s*[:=]\s*["']?)([^"'\s,&}]+))")
                                .arg(QLatin1String(secretKeys))),
         QStringLiteral("\\1\\2[REDACTED]")},
    }};
    return rules;
}

void emitLog(LogLevel level, const QString &category, const QString &message)
{
    const QDateTime now = QDateTime::currentDateTime(); // a log line carries the real time of its call
    LogRecord record{level, logSubsystem(), logCategoryGroup(category), category,
                     sanitizeLogMessage(message), {}, now};
    record.line = formatLogLine(now, level, category, record.message);

    if (auto sink = currentSink())
        sink->write(record);
    LogBuffer::shared().append(record.line);
    if (level != LogLevel::Debug)
        Breadcrumbs::shared().add(category, record.message);
}

} // namespace

void logDebug(const QString &category, const QString &message)
{
    emitLog(LogLevel::Debug, category, message);
}

void logInfo(const QString &category, const QString &message)
{
    emitLog(LogLevel::Info, category, message);
}

void logWarn(const QString &category, const QString &message)
{
    emitLog(LogLevel::Warn, category, message);
}

void logError(const QString &category, const QString &message)
{
    emitLog(LogLevel::Error, category, message);
}

QString formatLogEvent(const QString &event, const LogFields &fields)
{
    if (fields.isEmpty())
        return event;
    QStringList pairs;
    pairs.reserve(fields.size());
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        const QString &value = it.value();
        const bool hasSpace = std::any_of(value.cbegin(), value.cend(),
                                          [](QChar c) { return c.isSpace(); });
        if (hasSpace) {
            QString escaped = value;
            escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
            pairs.append(it.key() + QLatin1String("=\"") + escaped + QLatin1Char('"'));
        } else {
            pairs.append(it.key() + QLatin1Char('=') + value);
        }
    }
    return event + QLatin1String(" | ") + pairs.join(QLatin1Char(' '));
}

QString formatSecondsForLog(double seconds)
{
    // Formatted as a double so that values beyond the integer range cannot overflow.
    return QString::number(std::floor(seconds) + 0.0, 'f', 0) + QLatin1Char('s');
}

QString formatPercentForLog(double fraction)
{
    return QString::number(std::round(fraction * 100.0) + 0.0, 'f', 0) + QLatin1Char('%');
}

QString formatBoolForLog(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString logLevelName(LogLevel level)
{
    switch (level) {
    case LogLevel::Debug: return QStringLiteral("DEBUG");
    case LogLevel::Info: return QStringLiteral("INFO");
    case LogLevel::Warn: return QStringLiteral("WARN");
    case LogLevel::Error: return QStringLiteral("ERROR");
    }
    return QString();
}

LogCategoryGroup logCategoryGroup(const QString &category)
{
    static const QHash<QString, LogCategoryGroup> groups = {
        {QStringLiteral("Launch"), LogCategoryGroup::App},
        {QStringLiteral("AppServices"), LogCategoryGroup::App},
        {QStringLiteral("AppState"), LogCategoryGroup::App},
        {QStringLiteral("Activation"), LogCategoryGroup::App},
        {QStringLiteral("App"), LogCategoryGroup::App},
        {QStringLiteral("BreakScheduler"), LogCategoryGroup::Timer},
        {QStringLiteral("BreakOverlay"), LogCategoryGroup::BreakEngine},
        {QStringLiteral("BreakWindow"), LogCategoryGroup::BreakWindow},
        {QStringLiteral("BreakPreview"), LogCategoryGroup::BreakWindow},
        {QStringLiteral("SettingsWindow"), LogCategoryGroup::BreakWindow},
        {QStringLiteral("WindowManager"), LogCategoryGroup::BreakWindow},
        {QStringLiteral("HUD"), LogCategoryGroup::BreakWindow},
        {QStringLiteral("ReminderQueue"), LogCategoryGroup::Reminder},
        {QStringLiteral("PlannedBreak"), LogCategoryGroup::Reminder},
        {QStringLiteral("MenuBar"), LogCategoryGroup::MenuBar},
        {QStringLiteral("Wellness"), LogCategoryGroup::Wellness},
        {QStringLiteral("TypingHealth"), LogCategoryGroup::Wellness},
        {QStringLiteral("Meeting"), LogCategoryGroup::Wellness},
        {QStringLiteral("Media"), LogCategoryGroup::Wellness},
        {QStringLiteral("Stats"), LogCategoryGroup::Statistics},
        {QStringLiteral("LocalStats"), LogCategoryGroup::Statistics},
        {QStringLiteral("StatsRepo"), LogCategoryGroup::Statistics},
        {QStringLiteral("SmartPause"), LogCategoryGroup::SmartPause},
        {QStringLiteral("Shortcuts"), LogCategoryGroup::Shortcuts},
        {QStringLiteral("OfficeHours"), LogCategoryGroup::OfficeHours},
        {QStringLiteral("General"), LogCategoryGroup::General},
    };
    return groups.value(category, LogCategoryGroup::App);
}

QString logCategoryGroupName(LogCategoryGroup group)
{
    switch (group) {
    case LogCategoryGroup::App: return QStringLiteral("App");
    case LogCategoryGroup::Timer: return QStringLiteral("Timer");
    case LogCategoryGroup::BreakEngine: return QStringLiteral("BreakEngine");
    case LogCategoryGroup::BreakWindow: return QStringLiteral("BreakWindow");
    case LogCategoryGroup::Reminder: return QStringLiteral("Reminder");
    case LogCategoryGroup::MenuBar: return QStringLiteral("MenuBar");
    case LogCategoryGroup::Wellness: return QStringLiteral("Wellness");
    case LogCategoryGroup::Statistics: return QStringLiteral("Statistics");
    case LogCategoryGroup::SmartPause: return QStringLiteral("SmartPause");
    case LogCategoryGroup::Shortcuts: return QStringLiteral("Shortcuts");
    case LogCategoryGroup::OfficeHours: return QStringLiteral("OfficeHours");
    case LogCategoryGroup::General: return QStringLiteral("General");
    }
    return QStringLiteral("App");
}

QString logSubsystem()
{
    static const QString subsystem = appBundleIdentifier();
    return subsystem;
}

QString sanitizeLogMessage(const QString &message)
{
    QString text = message;
    // An empty home, or "/", would match everywhere and mangle every message.
    const QString home = QDir::homePath();
    if (!home.isEmpty() && home != QLatin1String("/"))
        text.replace(home, QLatin1String("[HOME]"), Qt::CaseSensitive);
    for (const RedactionRule &rule : redactionRules())
        text.replace(rule.pattern, rule.replacement);
    return text;
}

QString formatLogLine(const QDateTime &time, LogLevel level, const QString &category,
                      const QString &sanitizedMessage)
{
    return QLatin1Char('[') + time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"))
        + QLatin1String("] [") + logLevelName(level) + QLatin1String("] [") + category
        + QLatin1String("] ") + sanitizedMessage;
}

std::shared_ptr<LogSink> setLogSink(std::shared_ptr<LogSink> sink)
{
    SinkSlot &slot = sinkSlot();
    std::lock_guard lock(slot.mutex);
    std::swap(slot.sink, sink);
    return sink;
}

#pragma once

#include <QDateTime>
#include <QString>

enum class LogLevel { Debug, Info, Warn, Error };

enum class LogCategoryGroup {
    App,
    Timer,
    BreakEngine,
    BreakWindow,
    Reminder,
    MenuBar,
    Wellness,
    Statistics,
    SmartPause,
    Shortcuts,
    OfficeHours,
    General,
};

// One sanitised log call, as the system log receives it.
struct LogRecord
{
    LogLevel level;
    QString subsystem; // the application id
    LogCategoryGroup group;
    QString category; // the caller's fine category
    QString message;  // already sanitised
    QString line;     // "[timestamp] [LEVEL] [category] message"
    QDateTime time = {}; // of the call, as the line shows it
};

// Where log lines go besides the in-memory buffers: the journal in the application,
// stderr before one is chosen, a recorder in tests. Called on the logging thread.
class LogSink
{
public:
    virtual ~LogSink() = default;
    virtual void write(const LogRecord &record) = 0;
};

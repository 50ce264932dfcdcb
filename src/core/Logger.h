#pragma once

#include "core/LogSink.h"

#include <QDateTime>
#include <QMap>

#include <memory>

// The process-wide structured log. Every message is sanitised, handed to the log sink
// (the journal in the application), kept as a line in LogBuffer and, from INFO up, as a
// breadcrumb. Callable from any thread.

void logDebug(const QString &category, const QString &message);
void logInfo(const QString &category, const QString &message);
void logWarn(const QString &category, const QString &message);
void logError(const QString &category, const QString &message);

using LogFields = QMap<QString, QString>; // ordered by key, as events are written

// "event | key=value key2=\"value with spaces\"", keys in ascending character order.
QString formatLogEvent(const QString &event, const LogFields &fields = {});
// Whole seconds rounded down, then "s": 42.7 gives "42s".
QString formatSecondsForLog(double seconds);
// A fraction of 1 as a rounded percentage: 0.8 gives "80%".
QString formatPercentForLog(double fraction);
// "true" or "false", as Boolean log fields are written.
QString formatBoolForLog(bool value);

QString logLevelName(LogLevel level);
LogCategoryGroup logCategoryGroup(const QString &category);
QString logCategoryGroupName(LogCategoryGroup group);
// The application id under which lines reach the system log.
QString logSubsystem();

// Replaces the home folder path, e-mail addresses, UUIDs and secret values.
QString sanitizeLogMessage(const QString &message);
QString formatLogLine(const QDateTime &time, LogLevel level, const QString &category,
                      const QString &sanitizedMessage);

// Chooses where lines go besides the in-memory buffers; returns the previous sink.
// A null sink drops them.
std::shared_ptr<LogSink> setLogSink(std::shared_ptr<LogSink> sink);

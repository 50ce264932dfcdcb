#pragma once

#include "core/LogSink.h"

#include <QList>

#include <mutex>

// Records every log call made while it lives, in order.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();

    QList<LogRecord> records() const;
    // The sanitised messages logged under a category, oldest first.
    QStringList messages(const QString &category) const;
    bool contains(const QString &category, const QString &message) const;
    int count(const QString &category, const QString &message) const;
    // How many warnings were logged, under any category or under one.
    int warnings() const;
    int warnings(const QString &category) const;

private:
    class Sink;
    std::shared_ptr<Sink> m_sink;
    std::shared_ptr<LogSink> m_previous;
};

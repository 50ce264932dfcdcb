#pragma once

#include <QByteArray>

// Sets the process's local time zone (TZ) while it lives and puts the previous one back, so
// that a test can run on a day when the clocks change.
class ScopedTimeZone
{
public:
    explicit ScopedTimeZone(const QByteArray &zone);
    ~ScopedTimeZone();

    ScopedTimeZone(const ScopedTimeZone &) = delete;
    ScopedTimeZone &operator=(const ScopedTimeZone &) = delete;

private:
    bool m_hadZone;
    QByteArray m_previousZone;
};

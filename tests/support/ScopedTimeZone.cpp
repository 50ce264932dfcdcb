#include "support/ScopedTimeZone.h"

#include <QtGlobal>

#include <ctime>

ScopedTimeZone::ScopedTimeZone(const QByteArray &zone)
    : m_hadZone(qEnvironmentVariableIsSet("TZ"))
    , m_previousZone(qgetenv("TZ"))
{
    qputenv("TZ", zone);
    tzset();
}

ScopedTimeZone::~ScopedTimeZone()
{
    if (m_hadZone)
        qputenv("TZ", m_previousZone);
    else
        qunsetenv("TZ");
    tzset();
}

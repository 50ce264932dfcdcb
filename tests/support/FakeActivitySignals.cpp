#include "support/FakeActivitySignals.h"

void FakeActivitySignals::start(int sessionID, bool includeMediaSignals)
{
    m_started = true;
    m_starts.append({sessionID, includeMediaSignals});
}

void FakeActivitySignals::stop()
{
    m_started = false;
    ++m_stops;
}

void FakeActivitySignals::deliver(const MeetingSignalSnapshot &snapshot)
{
    if (m_started)
        deliver(snapshot, m_starts.constLast().sessionID);
}

void FakeActivitySignals::deliver(const MeetingSignalSnapshot &snapshot, int sessionID)
{
    if (m_handler)
        m_handler(snapshot, sessionID);
}

void FakeActivitySignals::setAudioAvailable(bool available)
{
    if (m_availabilityHandler)
        m_availabilityHandler(available);
}

std::optional<int> FakeActivitySignals::sessionID() const
{
    if (!m_started)
        return std::nullopt;
    return m_starts.constLast().sessionID;
}

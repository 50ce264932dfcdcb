#pragma once

#include <QString>

// Calls on the login-manager mock that tests/services.sh runs on the private system bus, with
// the session named by XDG_SESSION_ID. The mock is shared by every integration test of a run.
// Each call returns the error text, empty on success.
namespace LogindMock {

// The manager's sleep announcement: true before sleeping, false after waking.
QString emitPrepareForSleep(bool start);
// SetLockedHint on the test session, as a screen locker calls it.
QString setLockedHint(bool locked);
QString setSessionActive(bool active);
// The session's Lock and Unlock requests, which ask its screen locker to act.
QString requestLock();
QString requestUnlock();
// Sleep inhibitors this application holds, from the manager's own list; -1 when unreadable.
int applicationInhibitors();

// Puts the session back as the services started it (active, not locked), however the test
// ends.
class SessionRestorer
{
public:
    SessionRestorer() = default;
    SessionRestorer(const SessionRestorer &) = delete;
    SessionRestorer &operator=(const SessionRestorer &) = delete;
    ~SessionRestorer();
};

} // namespace LogindMock

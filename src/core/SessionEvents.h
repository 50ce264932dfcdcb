#pragma once

#include <QObject>

// The machine's sleep and wake, and the login session becoming inactive (locked, switched
// away) or active again. The break timer holds its countdown across sleep and counts a
// locked session as the user being away.
//
// Every signal is emitted on the main thread. Consumers connect with direct connections
// there, so their slots have run by the time emit returns: that is what makes the will-sleep
// step happen before the machine sleeps, as the system implementation holds the machine
// awake until the systemWillSleep() slots have returned and only then lets it go.
//
// Each change is reported once: no systemWillSleep() twice without a systemDidWake() in
// between, and the two session signals alternate. This base class never emits; it is what
// answers when no system source is installed.
class SessionEvents : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void systemWillSleep();
    void systemDidWake();
    void sessionDidResignActive();
    void sessionDidBecomeActive();
};

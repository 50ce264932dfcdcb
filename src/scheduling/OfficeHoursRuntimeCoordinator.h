#pragma once

#include "core/Cancellable.h"

#include <QObject>

class AppSettings;
class Clock;

// Applies the weekly office hours to the whole runtime once a second, and at once when the
// office-hours settings are assigned. For now it only keeps its lifecycle; what an
// evaluation does comes later. Main thread only.
class OfficeHoursRuntimeCoordinator : public QObject
{
    Q_OBJECT

public:
    OfficeHoursRuntimeCoordinator(AppSettings &settings, Clock &clock, QObject *parent = nullptr);

    // The application's coordinator on the shared settings; made on first use.
    static OfficeHoursRuntimeCoordinator &shared();

    // Starting again only evaluates.
    void start();
    void stop();
    // Does nothing while stopped.
    void evaluate();

    bool isStarted() const { return m_isStarted; }

private:
    Clock &m_clock;
    bool m_isStarted = false;
    CancellableHandle m_timer;
};

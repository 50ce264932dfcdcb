#pragma once

#include "core/Cancellable.h"
#include "scheduling/OfficeHoursCoordinatorServices.h"

#include <QObject>

#include <optional>

// Applies the weekly office hours to the whole runtime once a second, and at once when the
// office-hours settings are assigned. Inside the hours it releases the office-hours pause of
// the break timer and the other services; outside them it holds the break timer, tells the
// wellness side that the day is over, and keeps reminders and the floating notice away.
// Main thread only.
class OfficeHoursRuntimeCoordinator : public QObject
{
    Q_OBJECT

public:
    explicit OfficeHoursRuntimeCoordinator(OfficeHoursCoordinatorServices services,
                                           QObject *parent = nullptr);

    // The application's coordinator on the shared services; made on first use.
    static OfficeHoursRuntimeCoordinator &shared();

    // Starting again only evaluates.
    void start();
    // The next start logs the side of the boundary again.
    void stop();
    // Does nothing while stopped.
    void evaluate();

    bool isStarted() const { return m_isStarted; }
    // The side of the boundary last logged; none before the first evaluation after a start.
    std::optional<bool> lastWithinOfficeHours() const { return m_lastWithinOfficeHours; }

private:
    void applyInside();
    void applyOutside();

    OfficeHoursCoordinatorServices m_services;
    CancellableHandle m_timer;
    bool m_isStarted = false;
    std::optional<bool> m_lastWithinOfficeHours;
};

#pragma once

#include "support/AtspiClient.h"

#include <QDBusMessage>
#include <QList>
#include <QObject>

// The state changes applications announce on the accessibility bus, as a screen reader
// hears them: which object, which state ("checked", "focused", ...), and whether it is now
// on. Filled by AtspiClient::recordStateChanges while the test's event loop runs.
class AtspiEventLog : public QObject
{
    Q_OBJECT

public:
    struct StateChange
    {
        AtspiObject object;
        QString state;
        bool on = false;
    };

    const QList<StateChange> &stateChanges() const { return m_stateChanges; }

public slots:
    void record(const QDBusMessage &message);

private:
    QList<StateChange> m_stateChanges;
};

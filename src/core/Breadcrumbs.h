#pragma once

#include "core/SerialQueue.h"

#include <QDateTime>
#include <QList>

// The last 100 INFO, WARN and ERROR log entries as separate fields, in memory only.
// Changes run on the "local.lumenpause.breadcrumbs" queue.
class Breadcrumbs
{
public:
    static constexpr qsizetype maxCrumbs = 100;

    struct Crumb
    {
        QDateTime timestamp;
        QString category;
        QString message;
    };

    Breadcrumbs();
    static Breadcrumbs &shared();

    // The timestamp is taken when the entry is stored on the queue.
    void add(QString category, QString message);

    QList<Crumb> crumbs();

private:
    QList<Crumb> m_crumbs; // touched only on m_queue
    SerialQueue m_queue;
};

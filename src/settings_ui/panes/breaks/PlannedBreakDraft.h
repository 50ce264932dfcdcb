#pragma once

#include <QList>
#include <QString>

// What a planned-break sheet edits before it is saved: the fields of a PlannedBreak that
// the user sets, with the new break's defaults (12:30, five minutes, weekdays, the walking
// figure, no name).
struct PlannedBreakDraft
{
    QString name;
    QString emoji = QStringLiteral("figure.walk");
    qint64 hour = 12;
    qint64 minute = 30;
    qint64 duration = 300; // seconds
    QList<bool> days = {true, true, true, true, true, false, false};
};

#pragma once

#include "scheduling/PlannedBreak.h"

#include <QList>
#include <QMap>

#include <optional>

class Clock;
class SettingsRepository;

// Keeps the planned breaks and the record of which one fired on which day in the
// user-defaults store: the list under "plannedBreaks" as an array of record objects, the
// table under "plannedBreakLastFiredDates" as a dictionary of texts (break id to day key).
class PlannedBreakStore
{
public:
    static inline const QString breaksKey = QStringLiteral("plannedBreaks");
    static inline const QString firedDatesKey = QStringLiteral("plannedBreakLastFiredDates");
    static inline const QString backupKeyPrefix = QStringLiteral("plannedBreaks.corrupt-");

    // The clock only stamps the name of a backup.
    PlannedBreakStore(SettingsRepository &defaults, Clock &clock);

    // The stored records as they were written, not yet normalised. Nothing when no list is
    // stored, and nothing at all when any one record cannot be read: a list is decoded whole
    // or not at all.
    std::optional<QList<PlannedBreak>> loadBreaks();
    // Replaces the stored list. A list that loadBreaks() could not read would be lost by
    // this write, so the first write after such a load first copies it to a backup key.
    void saveBreaks(const QList<PlannedBreak> &breaks);

    // The stored table, or an empty one when it is absent or any value is not a text; the
    // stored value then stays until the next write replaces it.
    QMap<QString, QString> loadFiredDates() const;
    // Always the whole table, replacing what is stored.
    void saveFiredDates(const QMap<QString, QString> &firedDates);

private:
    void backUpUnreadableList();

    SettingsRepository &m_defaults;
    Clock &m_clock;
    std::optional<QVariant> m_unreadableList;
};

#include "scheduling/PlannedBreakStore.h"

#include "core/Clock.h"
#include "core/Logger.h"
#include "core/SettingsRepository.h"

PlannedBreakStore::PlannedBreakStore(SettingsRepository &defaults, Clock &clock)
    : m_defaults(defaults)
    , m_clock(clock)
{
}

std::optional<QList<PlannedBreak>> PlannedBreakStore::loadBreaks()
{
    m_unreadableList.reset();
    const QVariant stored = m_defaults.object(breaksKey);
    if (!stored.isValid())
        return std::nullopt;
    QList<PlannedBreak> breaks;
    bool readable = stored.typeId() == QMetaType::QVariantList;
    const QVariantList records = stored.toList();
    for (qsizetype i = 0; readable && i < records.size(); ++i) {
        const std::optional<PlannedBreak> record = PlannedBreak::fromStored(records[i]);
        readable = record.has_value();
        if (record)
            breaks.append(*record);
    }
    if (!readable) {
        m_unreadableList = stored;
        return std::nullopt;
    }
    return breaks;
}

void PlannedBreakStore::saveBreaks(const QList<PlannedBreak> &breaks)
{
    if (m_unreadableList)
        backUpUnreadableList();
    QVariantList records;
    for (const PlannedBreak &record : breaks)
        records.append(record.toStored());
    m_defaults.setObject(breaksKey, records);
}

void PlannedBreakStore::backUpUnreadableList()
{
    QString key = backupKeyPrefix
        + m_clock.now().toString(QStringLiteral("yyyyMMdd'T'HHmmss"));
    // A backup made earlier in the same second is another list; it is not replaced.
    for (int suffix = 2; m_defaults.object(key).isValid(); ++suffix)
        key = key.section(QLatin1Char('_'), 0, 0) + QLatin1Char('_') + QString::number(suffix);
    m_defaults.setObject(key, *m_unreadableList);
    m_unreadableList.reset();
    logWarn(QStringLiteral("PlannedBreak"),
            formatLogEvent(QStringLiteral("unreadable_list_backed_up"),
                           {{QStringLiteral("backupKey"), key}}));
}

QMap<QString, QString> PlannedBreakStore::loadFiredDates() const
{
    const std::optional<QVariantMap> stored = m_defaults.dictionary(firedDatesKey);
    if (!stored)
        return {};
    QMap<QString, QString> table;
    for (auto it = stored->cbegin(); it != stored->cend(); ++it) {
        if (it.value().typeId() != QMetaType::QString)
            return {};
        table.insert(it.key(), it.value().toString());
    }
    return table;
}

void PlannedBreakStore::saveFiredDates(const QMap<QString, QString> &firedDates)
{
    QVariantMap stored;
    for (auto it = firedDates.cbegin(); it != firedDates.cend(); ++it)
        stored.insert(it.key(), it.value());
    m_defaults.setObject(firedDatesKey, stored);
}

#include "core/FileSettingsRepository.h"
#include "core/InMemorySettingsRepository.h"
#include "scheduling/PlannedBreakStore.h"
#include "support/FakeClock.h"
#include "support/LogCapture.h"
#include "support/PlannedBreakRig.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString breaksKey = QStringLiteral("plannedBreaks");
const QString firedKey = QStringLiteral("plannedBreakLastFiredDates");

// One record, the same each time it is asked for.
const PlannedBreak &lunch()
{
    static const PlannedBreak planned = [] {
        PlannedBreak record = everyDay(QStringLiteral("Lunch"), QTime(12, 30), 1800);
        record.emoji = QStringLiteral("\U0001F957");
        record.days[6] = false;
        return record;
    }();
    return planned;
}

QVariantMap storedWithout(const PlannedBreak &planned, const QString &key)
{
    QVariantMap stored = planned.toStored();
    stored.remove(key);
    return stored;
}

QJsonObject readJsonFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

} // namespace

TEST(PlannedBreakStoreTest, TheListSurvivesTheSettingsFileInOrder)
{
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("settings.json"));
    FakeClock clock;
    PlannedBreak walk = everyDay(QStringLiteral("Walk"), QTime(16, 5), 900);
    walk.enabled = false;
    {
        FileSettingsRepository file(path, clock);
        PlannedBreakStore store(file, clock);
        store.saveBreaks({});
        file.flush();
        EXPECT_EQ(readJsonFile(path).value(breaksKey), QJsonArray());
        store.saveBreaks({lunch(), walk});
        store.saveFiredDates({{lunch().idKey(), QStringLiteral("2025-03-04")}});
        file.flush();
    }
    const QJsonObject json = readJsonFile(path);
    EXPECT_EQ(json.value(breaksKey).toArray().at(0).toObject().value("hour"), 12);
    EXPECT_EQ(json.value(firedKey).toObject().value(lunch().idKey()), "2025-03-04");

    FileSettingsRepository reopened(path, clock);
    PlannedBreakStore store(reopened, clock);
    EXPECT_EQ(store.loadBreaks(), (QList<PlannedBreak>{lunch(), walk}));
    EXPECT_EQ(store.loadFiredDates().value(lunch().idKey()), "2025-03-04");
}

TEST(PlannedBreakStoreTest, OneUnreadableRecordHidesTheWholeListButIsKeptAsideBeforeAnOverwrite)
{
    LogCapture log;
    FakeClock clock(QDateTime(QDate(2025, 3, 4), QTime(9, 15, 7)));
    const QVariantList damaged = {lunch().toStored(),
                                  storedWithout(everyDay("Tea", QTime(15, 0)), "emoji")};
    InMemorySettingsRepository defaults({{breaksKey, damaged}});
    PlannedBreakStore store(defaults, clock);

    EXPECT_FALSE(store.loadBreaks().has_value());
    EXPECT_EQ(defaults.object(breaksKey), damaged); // reading changes nothing

    store.saveBreaks({lunch()});
    const QString backupKey = QStringLiteral("plannedBreaks.corrupt-20250304T091507");
    EXPECT_EQ(defaults.object(backupKey), damaged);
    EXPECT_EQ(store.loadBreaks(), QList<PlannedBreak>{lunch()});
    const QList<LogRecord> records = log.records();
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records.first().level, LogLevel::Warn);
    EXPECT_EQ(records.first().message, "unreadable_list_backed_up | backupKey=" + backupKey);

    // Only the first overwrite needs the copy: the list now stored is a readable one.
    store.saveBreaks({});
    EXPECT_EQ(defaults.persistentDomain().size(), 2);
}

TEST(PlannedBreakStoreTest, ABackupNeverReplacesAnEarlierOne)
{
    FakeClock clock(QDateTime(QDate(2025, 3, 4), QTime(9, 15, 7)));
    InMemorySettingsRepository defaults({{breaksKey, QStringLiteral("garbage")}});
    PlannedBreakStore store(defaults, clock);
    for (const char *garbage : {"first", "second", "third"}) {
        defaults.setObject(breaksKey, QString::fromLatin1(garbage));
        EXPECT_FALSE(store.loadBreaks());
        store.saveBreaks({});
    }
    const QString stamp = QStringLiteral("plannedBreaks.corrupt-20250304T091507");
    EXPECT_EQ(defaults.object(stamp), "first");
    EXPECT_EQ(defaults.object(stamp + "_2"), "second");
    EXPECT_EQ(defaults.object(stamp + "_3"), "third");
}

TEST(PlannedBreakStoreTest, AFiredTableWithAnyValueThatIsNotATextIsIgnoredWhole)
{
    FakeClock clock;
    const QVariantMap mixed = {{"A", "2025-03-04"}, {"B", QVariant::fromValue(qint64(20250304))}};
    for (const QVariant &stored : {QVariant(mixed), QVariant(QStringLiteral("2025-03-04")), QVariant()}) {
        InMemorySettingsRepository defaults;
        if (stored.isValid())
            defaults.setObject(firedKey, stored);
        PlannedBreakStore store(defaults, clock);
        EXPECT_TRUE(store.loadFiredDates().isEmpty());
        EXPECT_EQ(defaults.object(firedKey), stored); // left for the next write
    }
}

TEST(PlannedBreakStoreTest, TheSchedulerNormalisesWhatItLoadsWithoutWritingItBack)
{
    PlannedBreak late = lunch();
    late.hour = 27;
    PlannedBreak blank = everyDay(QStringLiteral("x"), QTime(8, 0));
    QVariantMap blankStored = blank.toStored();
    blankStored["name"] = QStringLiteral("   ");
    const QVariantList stored = {late.toStored(), blankStored};
    PlannedBreakRig rig({{breaksKey, stored}});

    ASSERT_EQ(rig.plannedBreaks.breaks().size(), 1);
    EXPECT_EQ(rig.plannedBreaks.breaks().first().hour, 23);
    EXPECT_EQ(rig.store.object(breaksKey), stored);
}

TEST(PlannedBreakStoreTest, AnAddAfterAnUnreadableLoadKeepsTheOldListAside)
{
    const QVariantList damaged = {lunch().toStored(), storedWithout(lunch(), "days")};
    PlannedBreakRig rig({{breaksKey, damaged}});
    EXPECT_TRUE(rig.plannedBreaks.breaks().isEmpty());

    const PlannedBreak tea = rig.add(QStringLiteral("Tea"), QTime(15, 0));
    EXPECT_EQ(rig.store.object("plannedBreaks.corrupt-20250304T090000"), damaged);
    EXPECT_EQ(rig.store.object(breaksKey), QVariantList{tea.normalized()->toStored()});
    EXPECT_EQ(rig.plannedEvents("unreadable_list_backed_up").size(), 1);
}

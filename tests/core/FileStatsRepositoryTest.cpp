#include "core/AppConfiguration.h"
#include "core/FileStatsRepository.h"
#include "core/LocalStatisticsStore.h"
#include "support/FakeClock.h"
#include "support/LogCapture.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include <sys/stat.h>

namespace {

const QString fileName = QStringLiteral("lumenpause_stats.json");

DayStat skippedOn(const QString &date, qint64 skipped)
{
    DayStat day{date};
    day.breaksSkipped = skipped;
    return day;
}

class FileStatsRepositoryTest : public ::testing::Test
{
protected:
    QString base() const { return m_dir.path() + QStringLiteral("/data"); }
    QString folder() const { return base() + QLatin1Char('/') + applicationSupportFolderName(); }
    QString path() const { return folder() + QLatin1Char('/') + fileName; }
    FileStatsRepository repository()
    {
        return FileStatsRepository(fileName, m_clock, [this] { return base(); });
    }
    QStringList setAside() const
    {
        return QDir(folder()).entryList({fileName + QStringLiteral(".corrupt-*")},
                                        QDir::AllEntries | QDir::System | QDir::Hidden);
    }

    QTemporaryDir m_dir;
    FakeClock m_clock; // 2025-03-04 09:00 local
};

} // namespace

TEST_F(FileStatsRepositoryTest, LivesInTheApplicationFolderOfTheUsersDataFolder)
{
    FakeClock clock;
    FileStatsRepository standard(fileName, clock);
    EXPECT_EQ(standard.fileURL().toLocalFile(),
              QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + QLatin1Char('/')
                  + applicationSupportFolderName() + QStringLiteral("/lumenpause_stats.json"));
    EXPECT_EQ(repository().fileURL().toLocalFile(), path());
}

TEST_F(FileStatsRepositoryTest, SavingIntoAMissingFolderMakesBothPrivate)
{
    const mode_t previous = ::umask(0);
    FileStatsRepository stats = repository();
    const QList<DayStat> days{skippedOn("2025-03-03", 1), skippedOn("2025-03-04", 2)};
    stats.save(days);
    ::umask(previous);

    EXPECT_EQ(modeOf(folder()), 0700u);
    EXPECT_EQ(modeOf(path()), 0600u);
    EXPECT_EQ(readBytes(path()), encodeDayStats(days));
    EXPECT_EQ(repository().load(), days);
    EXPECT_TRUE(QDir(folder()).entryList(QDir::Files | QDir::Hidden).size() == 1)
        << "no temporary file is left behind";

    // Widened permissions are narrowed again on the next use, a load as much as a save.
    QFile::setPermissions(folder(), QFileDevice::Permissions(0x7777));
    stats.load();
    EXPECT_EQ(modeOf(folder()), 0700u);

    stats.save({});
    EXPECT_EQ(readBytes(path()), "[]");
    EXPECT_TRUE(stats.load().isEmpty());
}

TEST_F(FileStatsRepositoryTest, TwoRecordsForOneDayLoadMergedAndAreWrittenBackAsOne)
{
    writeBytes(path(), R"([{"date":"2025-03-04","breaksSkipped":2,"idleBreaks":1},
                           {"date":"2025-03-01","breaksSkipped":7},
                           {"breaksSkipped":4,"date":"2025-03-04","idleBreaks":null}])");
    FileStatsRepository stats = repository();
    LocalStatisticsStore store(stats, m_clock, QTimeZone::systemTimeZone(), false);

    DayStat merged = skippedOn("2025-03-04", 6);
    merged.idleBreaks = 1;
    const QList<DayStat> expected{skippedOn("2025-03-01", 7), merged};
    EXPECT_EQ(store.days(), expected);
    EXPECT_EQ(readBytes(path()), encodeDayStats(expected));
}

// A damaged file holds up to 30 days the user would lose if the next save wrote over it.
TEST_F(FileStatsRepositoryTest, AFileThatCannotBeUsedIsSetAsideAndNeverOverwritten)
{
    const QByteArray damaged[] = {
        "[{\"date\":\"2025-03-04\",\"breaksSkipped\":2}", // cut short
        R"([{"date":"2025-03-04","breaksSkipped":"2"}])", // a counter as text
        R"({"date":"2025-03-04"})",                       // not a list
        "",
    };
    for (const QByteArray &bytes : damaged) {
        SCOPED_TRACE(bytes.constData());
        QDir(folder()).removeRecursively();
        writeBytes(path(), bytes);
        LogCapture log;
        FileStatsRepository stats = repository();
        LocalStatisticsStore store(stats, m_clock, QTimeZone::systemTimeZone(), false);
        store.record(LocalStatisticsStore::applySnoozedBreak());

        EXPECT_EQ(store.days().size(), 1);
        ASSERT_EQ(setAside(), QStringList{fileName + QStringLiteral(".corrupt-20250304-090000")});
        EXPECT_EQ(readBytes(folder() + QLatin1Char('/') + setAside().first()), bytes);
        EXPECT_EQ(readBytes(path()), encodeDayStats(store.days()));
        EXPECT_EQ(log.warnings(QStringLiteral("StatsRepo")), 1);
    }
}

TEST_F(FileStatsRepositoryTest, SomethingOtherThanAFileInItsPlaceIsSetAsideToo)
{
    QDir().mkpath(path());
    writeBytes(path() + QStringLiteral("/keep.txt"), "mine");
    LogCapture log;
    FileStatsRepository stats = repository();
    EXPECT_TRUE(stats.load().isEmpty());
    ASSERT_EQ(setAside().size(), 1);
    EXPECT_EQ(readBytes(folder() + QLatin1Char('/') + setAside().first() + "/keep.txt"), "mine");
    EXPECT_EQ(log.warnings(QStringLiteral("StatsRepo")), 1);
    stats.save({skippedOn("2025-03-04", 1)});
    EXPECT_EQ(repository().load(), QList<DayStat>{skippedOn("2025-03-04", 1)});
}

TEST_F(FileStatsRepositoryTest, AFileThatCannotBeMovedAsideIsLeftAloneAndHistoryStaysInMemory)
{
    // Every name the set-aside could take is in use, which stops it even for root.
    writeBytes(path(), "not json");
    const QString taken = path() + QStringLiteral(".corrupt-20250304-090000");
    writeBytes(taken, "older");
    for (int counter = 2; counter < 1000; ++counter)
        writeBytes(taken + QLatin1Char('-') + QString::number(counter), "older");

    LogCapture log;
    FileStatsRepository stats = repository();
    LocalStatisticsStore store(stats, m_clock, QTimeZone::systemTimeZone(), false);
    store.record(LocalStatisticsStore::applySkippedBreak());
    store.record(LocalStatisticsStore::applySkippedBreak());
    const StatsRepository::ClearResult cleared = store.clearAll();
    EXPECT_FALSE(cleared.historyGone);
    EXPECT_EQ(cleared.reason, "the file could not be read and is left as it is");
    store.record(LocalStatisticsStore::applyHeadsUpShown());

    EXPECT_EQ(readBytes(path()), "not json");
    EXPECT_EQ(store.days().value(0).breakHeadsUpsShown, 1);
    EXPECT_EQ(log.warnings(QStringLiteral("StatsRepo")), 1);
    EXPECT_EQ(log.messages("StatsRepo").filter("Save failed").size(), 0);
    EXPECT_EQ(log.messages("StatsRepo").filter("Clear failed").size(), 1);
}

TEST_F(FileStatsRepositoryTest, ClearingRemovesTheFileAndIsQuietWhenThereIsNone)
{
    LogCapture log;
    FileStatsRepository stats = repository();
    EXPECT_TRUE(stats.clear().historyGone);
    EXPECT_TRUE(QFileInfo(folder()).isDir()) << "every use makes the folder";
    EXPECT_FALSE(QFileInfo::exists(path()));

    stats.save({skippedOn("2025-03-04", 1)});
    EXPECT_TRUE(stats.clear().historyGone);
    EXPECT_FALSE(QFileInfo::exists(path()));
    EXPECT_TRUE(log.messages("StatsRepo").isEmpty());
}

TEST_F(FileStatsRepositoryTest, AClearThatCannotRemoveTheFileSaysSo)
{
    // A non-empty folder in the file's place cannot be unlinked or replaced, even by root.
    QDir().mkpath(path());
    writeBytes(path() + QStringLiteral("/keep.txt"), "mine");
    LogCapture log;
    FileStatsRepository stats = repository();
    const StatsRepository::ClearResult cleared = stats.clear();
    EXPECT_FALSE(cleared.historyGone);
    EXPECT_TRUE(cleared.reason.startsWith("cannot remove the file: ")) << cleared.reason.toStdString();

    const QStringList messages = log.messages("StatsRepo");
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].startsWith("Clear failed: "));
    EXPECT_TRUE(messages[1].startsWith("Clear failed: cannot empty the file either: "));
    EXPECT_EQ(readBytes(path() + QStringLiteral("/keep.txt")), "mine");
    EXPECT_TRUE(QDir(folder()).entryList({"*.tmp-*"}, QDir::Files | QDir::Hidden).isEmpty());
}

// Every completed break of the run is lost while saves fail: a warning for each different
// failure (not for each save), and a line when saving works again.
TEST_F(FileStatsRepositoryTest, SaveFailuresAreWarnedOncePerReasonAndTheRecoveryIsLogged)
{
    // A file where the application folder should be: neither the folder nor the file can be.
    writeBytes(base() + QStringLiteral("/placeholder"), "");
    QFile::rename(base() + QStringLiteral("/placeholder"), folder());
    LogCapture log;
    FileStatsRepository stats = repository();
    EXPECT_FALSE(stats.save({skippedOn("2025-03-04", 1)}).saved);
    EXPECT_FALSE(stats.save({skippedOn("2025-03-04", 2)}).saved);
    EXPECT_EQ(log.warnings(QStringLiteral("StatsRepo")), 1);
    EXPECT_TRUE(log.messages("StatsRepo").value(0).startsWith("Save failed: "));

    // Another reason: the folder is there now, but read-only.
    QFile::remove(folder());
    QDir().mkpath(folder());
    ::chmod(QFile::encodeName(folder()).constData(), 0500);
    EXPECT_FALSE(stats.save({skippedOn("2025-03-04", 3)}).saved);
    EXPECT_FALSE(stats.save({skippedOn("2025-03-04", 4)}).saved);
    EXPECT_EQ(log.warnings(QStringLiteral("StatsRepo")), 2);

    ::chmod(QFile::encodeName(folder()).constData(), 0700);
    EXPECT_TRUE(stats.save({skippedOn("2025-03-04", 5)}).saved);
    EXPECT_TRUE(stats.save({skippedOn("2025-03-04", 6)}).saved);
    EXPECT_EQ(log.messages("StatsRepo").filter("stats_saved_again"),
              QStringList{QStringLiteral("stats_saved_again | failedSaves=4")});
    EXPECT_EQ(log.warnings(QStringLiteral("StatsRepo")), 2);

    LogCapture noFolder;
    FakeClock clock;
    FileStatsRepository nowhere(fileName, clock, [] { return QString(); });
    EXPECT_TRUE(nowhere.load().isEmpty());
    nowhere.save({});
    EXPECT_EQ(noFolder.messages("StatsRepo"),
              QStringList{QStringLiteral("Save failed: there is no data folder")});
    EXPECT_EQ(noFolder.warnings(), 1);
}

// Loading, saving and clearing in a folder the user made read-only leave it read-only and
// the file as it was.
TEST_F(FileStatsRepositoryTest, AReadOnlyFolderKeepsItsModeAndFile)
{
    const QByteArray stored = encodeDayStats({skippedOn("2025-03-04", 3)});
    writeBytes(path(), stored);
    ::chmod(QFile::encodeName(folder()).constData(), 0500);
    LogCapture log;
    FileStatsRepository stats = repository();
    {
        LocalStatisticsStore store(stats, m_clock, QTimeZone::systemTimeZone(), false);
        EXPECT_EQ(store.days().value(0).breaksSkipped, 3);
        store.record(LocalStatisticsStore::applySkippedBreak());
        EXPECT_EQ(store.days().value(0).breaksSkipped, 4) << "counted in memory all the same";
        QSignalSpy changes(&store, &LocalStatisticsStore::daysChanged);
        const StatsRepository::ClearResult cleared = store.clearAll();
        EXPECT_FALSE(cleared.historyGone);
        EXPECT_TRUE(cleared.reason.startsWith("the folder is read-only")) << cleared.reason.toStdString();
        EXPECT_EQ(store.days().value(0).breaksSkipped, 4) << "what is still stored is still shown";
        EXPECT_EQ(changes.count(), 0);
    }
    EXPECT_EQ(modeOf(folder()), 0500u);
    EXPECT_EQ(readBytes(path()), stored);
    EXPECT_EQ(log.warnings(QStringLiteral("StatsRepo")), 1);
    ::chmod(QFile::encodeName(folder()).constData(), 0700);
}

// A clock set back ten days while the application runs (a user fixing the date by hand, a
// time server with a wrong answer): the days after the new "today" leave the window but
// never the file, through recordings and hourly prunings, and are back in the window once
// the clock is right again.
TEST_F(FileStatsRepositoryTest, AClockSetBackWhileRunningKeepsEveryLaterDayInTheFile)
{
    auto utcAt = [](int month, int day, int hour) {
        return QDateTime(QDate(2025, month, day), QTime(hour, 0), QTimeZone::utc());
    };
    const QStringList week = {"2025-02-26", "2025-02-27", "2025-02-28", "2025-03-01",
                              "2025-03-02", "2025-03-03", "2025-03-04"};
    auto savedDates = [this] {
        QStringList dates;
        for (const DayStat &day : decodeDayStats(readBytes(path())).value_or(QList<DayStat>{}))
            dates.append(day.date);
        return dates.join(' ').toStdString();
    };
    FakeClock clock(utcAt(2, 26, 9));
    FileStatsRepository stats(fileName, clock, [this] { return base(); });
    LocalStatisticsStore store(stats, clock, QTimeZone::utc(), true);
    for (int day = 0; day < week.size(); ++day) {
        if (day > 0)
            clock.advance(24 * 3600);
        store.record(LocalStatisticsStore::applySkippedBreak());
    }
    ASSERT_EQ(savedDates(), week.join(' ').toStdString());

    struct Step
    {
        const char *what;
        std::function<void()> act;
        QStringList window;
    };
    const Step timeline[] = {
        {"set back ten days, then a break recorded", [&] {
             clock.setNow(utcAt(2, 22, 10));
             store.record(LocalStatisticsStore::applySkippedBreak());
         }, {"2025-02-22"}},
        {"hourly prunings", [&] { clock.advance(3 * 3600); }, {"2025-02-22"}},
        {"the next day", [&] {
             clock.advance(24 * 3600);
             store.record(LocalStatisticsStore::applySnoozedBreak());
         }, {"2025-02-22", "2025-02-23"}},
        {"the clock right again", [&] {
             clock.setNow(utcAt(3, 4, 18));
             store.record(LocalStatisticsStore::applySkippedBreak());
         }, QStringList{"2025-02-22", "2025-02-23"} + week},
    };
    for (const Step &step : timeline) {
        SCOPED_TRACE(step.what);
        step.act();
        QStringList stored = step.window + week;
        stored.removeDuplicates();
        std::sort(stored.begin(), stored.end());
        EXPECT_EQ(savedDates(), stored.join(' ').toStdString());
        QStringList shown;
        for (const DayStat &day : store.days())
            shown.append(day.date);
        EXPECT_EQ(shown.join(' ').toStdString(), step.window.join(' ').toStdString());
    }
    EXPECT_EQ(store.days().constLast(), skippedOn("2025-03-04", 2))
        << "the day recorded before the clock went back counts on";
}

// Hand-made files of days after today, each record as short as it may be: written back in
// full, every record grows about twentyfold. What the next start reads is written; what it
// would refuse is not, and the file as it was stays while the store says why.
TEST_F(FileStatsRepositoryTest, AHistoryIsWrittenBackOnlyWhenItCanBeReadBack)
{
    struct Case
    {
        int laterDays;
        bool rewritten;
    };
    const Case cases[] = {{20000, true}, {45000, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.laterDays);
        QDir(folder()).removeRecursively();
        QByteArray handMade = "[";
        for (int offset = 1; offset <= c.laterDays; ++offset) {
            handMade += (offset == 1 ? "{\"date\":\"" : ",{\"date\":\"")
                + m_clock.now().date().addDays(offset).toString(Qt::ISODate).toLatin1() + "\"}";
        }
        handMade += "]";
        writeBytes(path(), handMade);
        LogCapture log;
        FileStatsRepository stats = repository();
        LocalStatisticsStore store(stats, m_clock, QTimeZone::systemTimeZone(), false);
        store.record(LocalStatisticsStore::applySkippedBreak());

        const QByteArray written = readBytes(path());
        EXPECT_EQ(written == handMade, !c.rewritten);
        EXPECT_LE(written.size(), FileStatsRepository::maxFileBytes);
        EXPECT_EQ(store.saveError().isEmpty(), c.rewritten) << store.saveError().toStdString();
        EXPECT_EQ(log.warnings(QStringLiteral("StatsRepo")), c.rewritten ? 0 : 1);
        LocalStatisticsStore reopened(stats, m_clock, QTimeZone::systemTimeZone(), false);
        EXPECT_TRUE(setAside().isEmpty());
        EXPECT_EQ(reopened.laterDays().size(), c.laterDays);
        EXPECT_EQ(reopened.days().size(), c.rewritten ? 1 : 0);
    }
}

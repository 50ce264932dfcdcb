#include "core/FileSettingsRepository.h"
#include "support/FakeClock.h"
#include "support/LogCapture.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <atomic>
#include <thread>

namespace {

constexpr int deadlineMs = 10000;

class FileSettingsRepositoryTest : public ::testing::Test
{
protected:
    QString folder() const { return m_dir.path() + QStringLiteral("/config/lumenpause"); }
    QString path() const { return folder() + QStringLiteral("/local.lumenpause.app.json"); }
    std::unique_ptr<FileSettingsRepository> open()
    {
        return std::make_unique<FileSettingsRepository>(path(), m_clock);
    }
    QJsonObject fileObject() const { return QJsonDocument::fromJson(readBytes(path())).object(); }
    QStringList setAsideFiles() const
    {
        return QDir(folder()).entryList({QStringLiteral("*.corrupt-*")},
                                        QDir::AllEntries | QDir::System);
    }

    QTemporaryDir m_dir;
    FakeClock m_clock;
};

TEST_F(FileSettingsRepositoryTest, ValuesKeepTheirTypesThroughTheFile)
{
    const QVariantList list{qint64(1), QStringLiteral("two"), true, QVariantMap{{"x", 2.5}}};
    const QVariantMap map{{"enabled", false}, {"days", QVariantList{qint64(0), qint64(4)}}};
    {
        auto store = open();
        store->setBool("launchAtLogin", true);
        store->setInteger("breakInterval", 20);
        store->setInteger("big", 9007199254740993LL); // not representable as a double
        store->setDouble("notificationSoundVolume", 0.35);
        store->setString("enforcement", QStringLiteral("Hardcore — «strict»"));
        store->setObject("plannedBreaks", list);
        store->setObject("plannedBreakLastFiredDates", map);
    } // destroyed with the write still pending: it must reach the disk all the same

    EXPECT_TRUE(readBytes(path()).contains("\n    \"breakInterval\": 20")) << "indented for people";
    auto reopened = open();
    EXPECT_EQ(reopened->object("launchAtLogin").typeId(), QMetaType::Bool);
    EXPECT_EQ(reopened->object("breakInterval").typeId(), QMetaType::LongLong);
    EXPECT_EQ(reopened->integer("big"), 9007199254740993LL);
    EXPECT_EQ(reopened->object("notificationSoundVolume").typeId(), QMetaType::Double);
    EXPECT_DOUBLE_EQ(reopened->doubleValue("notificationSoundVolume"), 0.35);
    EXPECT_EQ(reopened->string("enforcement"), QStringLiteral("Hardcore — «strict»"));
    EXPECT_EQ(reopened->array("plannedBreaks"), list);
    EXPECT_EQ(reopened->dictionary("plannedBreakLastFiredDates"), map);
    EXPECT_EQ(reopened->dictionary("breakInterval"), std::nullopt);
}

TEST_F(FileSettingsRepositoryTest, HandEditedNullsReadAsAbsentAndRegisteredValuesStayOffDisk)
{
    writeBytes(path(), R"({"breakInterval": null, "hudStyle": "minimal",
                           "officeHours": {"startHour": null, "endHour": 18}})");
    auto store = open();
    store->registerDefaults(
        {{"breakInterval", 20}, {"hudStyle", "standard"}, {"blinkEnabled", false}});
    EXPECT_EQ(store->integer("breakInterval"), 20);
    EXPECT_EQ(store->string("hudStyle"), QStringLiteral("minimal"));
    EXPECT_EQ(store->dictionary("officeHours"), (QVariantMap{{"endHour", qint64(18)}}));

    store->setBool("blinkEnabled", true);
    store->flush();
    EXPECT_EQ(fileObject().keys(), QStringList({"blinkEnabled", "hudStyle", "officeHours"}));
    EXPECT_EQ(store->persistentDomain().keys(), fileObject().keys());
}

TEST_F(FileSettingsRepositoryTest, ABurstIsWrittenOnceASecondLaterOrAtOnceByFlush)
{
    auto store = open();
    for (int i = 1; i <= 50; ++i)
        store->setInteger("breakInterval", i);
    EXPECT_EQ(store->integer("breakInterval"), 50) << "memory changes at once";
    EXPECT_EQ(m_clock.scheduledBlocks().size(), 1);
    m_clock.advance(0.9);
    EXPECT_FALSE(QFileInfo::exists(path()));
    m_clock.advance(0.1);
    EXPECT_EQ(fileObject().value("breakInterval"), 50);

    store->setInteger("breakInterval", 51);
    store->flush();
    EXPECT_EQ(fileObject().value("breakInterval"), 51);
    EXPECT_TRUE(m_clock.scheduledBlocks().isEmpty());

    QFile::remove(path());
    store->flush();
    m_clock.advance(5);
    EXPECT_FALSE(QFileInfo::exists(path())) << "nothing was pending";
}

TEST_F(FileSettingsRepositoryTest, FileAndFolderAreOwnerOnlyEvenAfterBeingWidened)
{
    auto store = open();
    store->setBool("postureEnabled", true);
    store->flush();
    EXPECT_EQ(modeOf(folder()), 0700u);
    EXPECT_EQ(modeOf(path()), 0600u);

    ::chmod(QFile::encodeName(folder()).constData(), 0755);
    ::chmod(QFile::encodeName(path()).constData(), 0644);
    store->setBool("postureEnabled", false);
    store->flush();
    EXPECT_EQ(modeOf(folder()), 0700u);
    EXPECT_EQ(modeOf(path()), 0600u);
}

TEST_F(FileSettingsRepositoryTest, UnusableFilesAreSetAsideIntactAndTheStoreStartsFromDefaults)
{
    const QString aside = path() + QStringLiteral(".corrupt-20250304-090000");
    // The last is a folder in the file's place: it cannot be read as a file, even by root.
    const QByteArray contents[] = {"{\"breakInterval\": 45,", "[1, 2]", "", "\"text\"", "folder"};
    for (const QByteArray &content : contents) {
        SCOPED_TRACE(content.toStdString());
        QDir(folder()).removeRecursively();
        if (content == "folder")
            QDir().mkpath(path() + QStringLiteral("/inside"));
        else
            writeBytes(path(), content);
        LogCapture log;
        auto store = open();
        store->registerDefaults({{"breakInterval", 20}});
        EXPECT_EQ(store->integer("breakInterval"), 20);
        EXPECT_TRUE(store->persistentDomain().isEmpty());
        EXPECT_EQ(log.warnings(QStringLiteral("Settings")), 1);
        EXPECT_EQ(setAsideFiles(), QStringList(QFileInfo(aside).fileName()));

        store->setInteger("breakDuration", 60);
        store->flush();
        EXPECT_EQ(fileObject().value("breakDuration"), 60);
        if (content == "folder") {
            EXPECT_TRUE(QFileInfo(aside + QStringLiteral("/inside")).isDir());
        } else {
            EXPECT_EQ(readBytes(aside), content);
        }
    }
}

// A pipe would block start-up in open() for ever, and a link to /dev/zero would read until
// memory runs out: only a regular file is read, and anything else is set aside at once.
TEST_F(FileSettingsRepositoryTest, APipeOrADeviceInTheFilesPlaceIsSetAsideWithoutWaiting)
{
    for (const char *kind : {"pipe", "link to /dev/zero"}) {
        SCOPED_TRACE(kind);
        QDir(folder()).removeRecursively();
        QDir().mkpath(folder());
        if (QByteArray(kind) == "pipe")
            ASSERT_EQ(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
        else
            ASSERT_TRUE(QFile::link("/dev/zero", path()));
        LogCapture log;
        std::unique_ptr<FileSettingsRepository> store;
        EXPECT_TRUE(finishesWithoutWaitingOnPipe(path(), 1000, [&] { store = open(); }));

        EXPECT_TRUE(store->persistentDomain().isEmpty());
        EXPECT_EQ(log.warnings(QStringLiteral("Settings")), 1);
        ASSERT_EQ(setAsideFiles().size(), 1);
        const QFileInfo aside(folder() + QLatin1Char('/') + setAsideFiles().first());
        EXPECT_TRUE(QByteArray(kind) == "pipe" ? !aside.isFile() && !aside.isSymLink()
                                                : aside.isSymLink());
        store->setInteger("breakDuration", 60);
        store->flush();
        EXPECT_EQ(fileObject().value("breakDuration"), 60);
    }
}

// The user made the folder read-only: it keeps its mode and the file its content, and the
// change lives in memory with one warning.
TEST_F(FileSettingsRepositoryTest, AReadOnlyFolderKeepsItsModeAndFile)
{
    writeBytes(path(), R"({"breakInterval": 30})");
    ::chmod(QFile::encodeName(path()).constData(), 0600);
    ::chmod(QFile::encodeName(folder()).constData(), 0500);
    LogCapture log;
    auto store = open();
    store->setInteger("breakInterval", 45);
    store->flush();
    m_clock.advance(2);
    store->flush();

    EXPECT_EQ(modeOf(folder()), 0500u);
    EXPECT_EQ(readBytes(path()), R"({"breakInterval": 30})");
    EXPECT_EQ(store->integer("breakInterval"), 45);
    EXPECT_EQ(log.warnings(QStringLiteral("Settings")), 1);
    ::chmod(QFile::encodeName(folder()).constData(), 0700);
}

TEST_F(FileSettingsRepositoryTest, AFileThatCannotBeMovedAsideIsNeverWrittenOver)
{
    // Room for the temporary file's name, but not for the set-aside suffix.
    const QString longPath = folder() + QLatin1Char('/') + QString(236, QLatin1Char('s'));
    writeBytes(longPath, "{broken");
    LogCapture log;
    FileSettingsRepository store(longPath, m_clock);
    for (int i = 0; i < 3; ++i) {
        store.setInteger("breakInterval", 30 + i);
        m_clock.advance(2);
        store.flush();
    }
    EXPECT_EQ(store.integer("breakInterval"), 32) << "the store keeps working in memory";
    EXPECT_EQ(readBytes(longPath), "{broken");
    EXPECT_EQ(log.warnings(QStringLiteral("Settings")), 1);
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files).size(), 1);
}

TEST_F(FileSettingsRepositoryTest, AFailedWriteIsLoggedOnceAndRetriedAtTheNextFlush)
{
    writeBytes(folder(), "a file where the folder should be");
    LogCapture log;
    auto store = open();
    store->setInteger("skipsPerDay", 5);
    store->flush();
    store->flush();
    EXPECT_EQ(log.warnings(QStringLiteral("Settings")), 1);
    EXPECT_EQ(store->integer("skipsPerDay"), 5);

    QFile::remove(folder());
    store->flush();
    EXPECT_EQ(fileObject().value("skipsPerDay"), 5);
}

// A hand-made file of 3.6 MB: 20,000 planned breaks. The next change of any setting writes
// it back in a form the next start reads, one setting a line and every value compact.
TEST_F(FileSettingsRepositoryTest, AFileOfTwentyThousandPlannedBreaksSurvivesTheNextChange)
{
    constexpr int breakCount = 20000;
    QByteArray handMade = R"({"hasCompletedOnboarding": true, "plannedBreaks": [)";
    for (int index = 0; index < breakCount; ++index) {
        handMade += QStringLiteral(R"(%1{"id":"00000000-0000-4000-8000-%2","name":"Stretch %3",)"
                                   R"("emoji":"figure.walk","hour":%4,"minute":%5,)"
                                   R"("durationSeconds":300,"days":[true,true,true,true,true,)"
                                   R"(false,false],"enabled":true})")
                        .arg(index == 0 ? "" : ",")
                        .arg(index, 12, 10, QLatin1Char('0'))
                        .arg(index)
                        .arg(index / 60 % 24)
                        .arg(index % 60)
                        .toUtf8();
    }
    handMade += "]}";
    ASSERT_GT(handMade.size(), 3'500'000);
    writeBytes(path(), handMade);
    {
        auto store = open();
        ASSERT_EQ(store->array("plannedBreaks").value_or(QVariantList{}).size(), breakCount);
        store->setInteger("breakInterval", 25);
        store->flush();
    }
    const QByteArray written = readBytes(path());
    EXPECT_LE(written.size(), handMade.size() + breakCount) << "no larger than by hand";
    EXPECT_TRUE(written.contains("\n    \"breakInterval\": 25,\n"));
    EXPECT_TRUE(written.contains(R"(,"minute":59,"name":"Stretch 19979"})"));
    auto reopened = open();
    EXPECT_TRUE(setAsideFiles().isEmpty());
    EXPECT_EQ(reopened->array("plannedBreaks").value_or(QVariantList{}).size(), breakCount);
    EXPECT_EQ(reopened->integer("breakInterval"), 25);
}

// More than the next start would read is never written: one warning, the last good file
// stays, and memory goes on with every value until the domain fits again.
TEST_F(FileSettingsRepositoryTest, ADomainPastTheReadLimitIsNotWrittenUntilItFitsAgain)
{
    // Escaped as six bytes each, a control character makes the limit in a few megabytes.
    const QString huge(FileSettingsRepository::maxFileBytes / 6 + 1, QChar(0x01));
    LogCapture log;
    auto store = open();
    store->setInteger("breakInterval", 25);
    store->flush();
    const QByteArray lastGood = readBytes(path());

    store->setString("customMessage", huge);
    store->flush();
    store->setInteger("skipsPerDay", 5);
    store->flush();
    EXPECT_EQ(readBytes(path()), lastGood);
    EXPECT_EQ(store->string("customMessage"), huge);
    EXPECT_EQ(store->integer("skipsPerDay"), 5);
    ASSERT_EQ(log.warnings(QStringLiteral("Settings")), 1);
    EXPECT_TRUE(log.messages("Settings").value(0).contains("too large to be read back"))
        << log.messages("Settings").value(0).toStdString();

    store->removeObject("customMessage");
    store->flush();
    EXPECT_EQ(fileObject().value("skipsPerDay"), 5);
    EXPECT_FALSE(fileObject().contains("customMessage"));
    EXPECT_TRUE(setAsideFiles().isEmpty());
}

TEST_F(FileSettingsRepositoryTest, RemovingTheDomainDeletesTheFileAndDropsPendingWrites)
{
    auto store = open();
    store->registerDefaults({{"breakInterval", 20}});
    store->setInteger("breakInterval", 40);
    store->flush();
    store->setBool("hasCompletedOnboarding", true); // pending

    store->removePersistentDomain();
    EXPECT_FALSE(QFileInfo::exists(path()));
    EXPECT_EQ(store->integer("breakInterval"), 20) << "registered values stay";
    m_clock.advance(5);
    store->flush();
    store.reset();
    EXPECT_FALSE(QFileInfo::exists(path()));
}

// Records whether the clock is ever used off the thread that owns the store.
class ThreadCheckingClock : public FakeClock
{
public:
    CancellableHandle schedule(double interval, bool repeats, std::function<void()> block) override
    {
        if (QThread::currentThread() != QCoreApplication::instance()->thread())
            offThreadCalls++;
        return FakeClock::schedule(interval, repeats, std::move(block));
    }
    std::atomic<int> offThreadCalls{0};
};

TEST_F(FileSettingsRepositoryTest, AssignmentsFromSeveralThreadsAreAllKept)
{
    ThreadCheckingClock clock;
    FileSettingsRepository store(path(), clock);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&store, t] {
            for (int k = 0; k < 250; ++k)
                store.setInteger(QStringLiteral("t%1-k%2").arg(t).arg(k), k);
        });
    }
    for (auto &thread : threads)
        thread.join();
    QCoreApplication::sendPostedEvents(&store);

    EXPECT_EQ(clock.offThreadCalls, 0);
    EXPECT_EQ(clock.scheduledBlocks().size(), 1);
    clock.advance(1);
    EXPECT_EQ(fileObject().size(), 1000);
    EXPECT_EQ(fileObject().value("t3-k249"), 249);
}

TEST_F(FileSettingsRepositoryTest, TheFileIsAlwaysWholeWhenTheWriterIsKilled)
{
    const QString tool = QCoreApplication::applicationDirPath() + "/settings_write_burst";
    ASSERT_TRUE(QFileInfo(tool).isExecutable()) << tool.toStdString();
    // The writer is killed on reading its announcement of a round, so the kill lands
    // somewhere in that round's flush; varying the size moves that spot through it.
    const int killAfterRounds[] = {0, 1, 2, 3, 5, 8, 13, 21, 2, 3, 5, 8, 13, 21, 34};
    const int payloadKb[] = {8, 16, 32, 64, 128, 256};
    for (size_t run = 0; run < std::size(killAfterRounds); ++run) {
        const int killAfterRound = killAfterRounds[run];
        const int payload = payloadKb[run % std::size(payloadKb)] * 1024;
        SCOPED_TRACE(QStringLiteral("round %1, %2 characters").arg(killAfterRound).arg(payload)
                         .toStdString());
        QProcess writer;
        writer.start(tool, {path(), QString::number(payload)});
        ASSERT_TRUE(writer.waitForStarted(deadlineMs));
        int lastRound = -1; // "ready" reads as round 0
        while (lastRound < killAfterRound) {
            if (!writer.canReadLine()) {
                ASSERT_TRUE(writer.waitForReadyRead(deadlineMs));
            }
            while (writer.canReadLine())
                lastRound = writer.readLine().trimmed().toInt();
        }
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(deadlineMs));

        if (lastRound <= 1 && !QFileInfo::exists(path()))
            continue; // killed before a first write ended: the old file is no file at all
        const QJsonObject stored = fileObject();
        ASSERT_FALSE(stored.isEmpty()) << "torn or missing file";
        const QJsonObject nested = stored.value("nested").toObject();
        const qint64 round = stored.value("round").toInteger();
        // Round n is announced once round n - 1 is on disk; older runs had lower rounds.
        if (lastRound >= 2) {
            EXPECT_GE(round, lastRound - 1) << "a flushed round was lost";
        }
        const QString mark(QChar(char16_t(u'a' + round % 26)));
        EXPECT_EQ(stored.value("payload").toString(),
                  QString(nested.value("size").toInteger(), mark[0]));
        EXPECT_EQ(nested.value("round").toInteger(), round);
        EXPECT_EQ(nested.value("marks").toArray().first(), mark);
        EXPECT_TRUE(setAsideFiles().isEmpty());
    }
}

} // namespace

#include "scheduling/BreakMessages.h"
#include "support/FakeClock.h"

#include <QSet>

#include <gtest/gtest.h>

TEST(BreakMessagesTest, TableHasTwoHundredDistinctShortAsciiSentences)
{
    const QStringList &table = breakMessages();
    ASSERT_EQ(table.size(), 200);

    const QList<QPair<int, QString>> fixed = {
        {0, "The screen will wait."},
        {1, "Time to look up."},
        {2, "Give your eyes a new view."},
        {3, "One minute is enough."},
        {4, "Pause with purpose."},
        {17, "Move a little."},
        {197, "Your next task will still be here."},
        {198, "Thanks for taking a break."},
        {199, "See you in a minute."},
    };
    for (const auto &[index, text] : fixed)
        EXPECT_EQ(table.at(index), text) << "index " << index;

    QSet<QString> seen;
    for (const QString &message : table) {
        const std::string text = message.toStdString();
        EXPECT_GE(message.size(), 11) << text;
        EXPECT_LE(message.size(), 37) << text;
        EXPECT_TRUE(message.endsWith(QLatin1Char('.'))) << text;
        EXPECT_EQ(message, message.trimmed()) << text;
        for (QChar c : message)
            EXPECT_TRUE(c.unicode() >= 0x20 && c.unicode() < 0x7f) << text;
        EXPECT_FALSE(seen.contains(message)) << "duplicate: " << text;
        seen.insert(message);
    }
}

TEST(BreakMessagesTest, RandomMessageFallsBackOnEmptyAndReachesEveryEntry)
{
    EXPECT_EQ(randomBreakMessage({}), "Take a moment.");
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(randomBreakMessage({"Only this."}), "Only this.");

    // 20,000 draws give each entry about 100 hits; an entry never drawn would mean the
    // choice cannot reach part of the table (the last entry, typically).
    const QStringList &table = breakMessages();
    QSet<QString> drawn;
    for (int i = 0; i < 20000; ++i) {
        const QString message = randomBreakMessage(table);
        ASSERT_TRUE(table.contains(message)) << message.toStdString();
        drawn.insert(message);
    }
    EXPECT_EQ(drawn.size(), table.size());
}

TEST(BreakMessagesTest, MessageOfTheDayCountsDaysFromTheFirstDayOfTheEra)
{
    const QStringList &table = breakMessages();
    // 1 January AD 1 is day 1.
    EXPECT_EQ(messageOfTheDay(table, QDate(1, 1, 1)), table.at(1));
    // 4 March 2025 is day 739314, which leaves 114.
    EXPECT_EQ(messageOfTheDay(table, QDate(2025, 3, 4)), table.at(114));
    // Across a year boundary the walk simply continues.
    EXPECT_EQ(messageOfTheDay(table, QDate(2024, 12, 31)), table.at(51));
    EXPECT_EQ(messageOfTheDay(table, QDate(2025, 1, 1)), table.at(52));
}

TEST(BreakMessagesTest, MessageOfTheDayHoldsAllLocalDayThenMovesOnAndWraps)
{
    const QStringList &table = breakMessages();
    // 28 May 2025 is day 739399, the last entry of a round through the table.
    FakeClock clock(QDateTime(QDate(2025, 5, 28), QTime(0, 0, 1)));
    const QString morning = messageOfTheDay(table, clock.now().date());
    EXPECT_EQ(morning, table.at(199));

    clock.setNow(QDateTime(QDate(2025, 5, 28), QTime(23, 59, 59)));
    EXPECT_EQ(messageOfTheDay(table, clock.now().date()), morning);

    clock.advance(1);
    EXPECT_EQ(messageOfTheDay(table, clock.now().date()), table.at(0));
    clock.advance(24 * 3600);
    EXPECT_EQ(messageOfTheDay(table, clock.now().date()), table.at(1));

    // Every day of a long run steps exactly one entry.
    QDate day(2025, 1, 1);
    for (int i = 0; i < 450; ++i, day = day.addDays(1)) {
        const qsizetype today = table.indexOf(messageOfTheDay(table, day));
        const qsizetype tomorrow = table.indexOf(messageOfTheDay(table, day.addDays(1)));
        ASSERT_EQ(tomorrow, (today + 1) % 200) << day.toString(Qt::ISODate).toStdString();
    }
}

TEST(BreakMessagesTest, MessageOfTheDayCopesWithOddListsAndDates)
{
    const QStringList &table = breakMessages();
    EXPECT_EQ(messageOfTheDay({"Only this."}, QDate(2025, 3, 4)), "Only this.");
    EXPECT_EQ(messageOfTheDay({}, QDate(2025, 3, 4)), "Take a moment.");
    EXPECT_EQ(messageOfTheDay(table, QDate()), table.at(0));
    // The day before AD 1 is day 0 and earlier days count down from the end of the table.
    EXPECT_EQ(messageOfTheDay(table, QDate(1, 1, 1).addDays(-1)), table.at(0));
    EXPECT_EQ(messageOfTheDay(table, QDate(1, 1, 1).addDays(-2)), table.at(199));
    // A short list wraps on its own length.
    const QStringList three = {"A.", "B.", "C."};
    EXPECT_EQ(messageOfTheDay(three, QDate(2025, 3, 4)), "A."); // 739314 = 3 * 246438
    EXPECT_EQ(messageOfTheDay(three, QDate(2025, 3, 5)), "B.");
}

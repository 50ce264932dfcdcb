#include "core/TextLimit.h"

#include <gtest/gtest.h>

TEST(TextLimitTest, CutsToTheLimitInCodePointsWithoutSplittingACharacter)
{
    const QString a278(278, QLatin1Char('a'));
    const QString a279(279, QLatin1Char('a'));
    const QString accent = QStringLiteral("e\u0301");      // e and a combining acute
    const QString smile = QString::fromUtf8("\U0001F600"); // one code point, two UTF-16 units
    const QString flag = QString::fromUtf8("\U0001F1EB\U0001F1F7");
    const struct
    {
        QString text;
        QString kept;
    } cases[] = {
        {QString(280, QLatin1Char('a')), QString(280, QLatin1Char('a'))},
        {QString(1 << 20, QLatin1Char('a')), QString(280, QLatin1Char('a'))},
        {a279 + accent + "z", a279},
        {a279 + smile + "z", a279 + smile},
        {a279 + flag, a279},
        {a278 + flag + "z", a278 + flag},
        // Marks heaped on one letter count one by one: such a "character" never passes whole.
        {"a" + QString(400, QChar(0x0301)), QString()},
    };
    for (const auto &item : cases) {
        SCOPED_TRACE(item.text.size());
        EXPECT_EQ(TextLimit::cut(item.text, 280), item.kept);
    }
}

TEST(TextLimitTest, TellsAnEditThatOnlyRemovesFromOneThatAddsOrReplaces)
{
    const struct
    {
        const char *before;
        const char *after;
        bool onlyRemoves;
    } cases[] = {
        {"abcdef", "abcde", true}, {"abcdef", "bcdef", true}, {"abcdef", "af", true},
        {"abcdef", "abcdefg", false}, {"abcdef", "abxef", false}, {"abcdef", "xy", false},
        {"abcdef", "abcdef", false},
    };
    for (const auto &item : cases)
        EXPECT_EQ(TextLimit::onlyRemoves(item.before, item.after), item.onlyRemoves) << item.before << " -> " << item.after;
}

// The printers come with the precompiled header every test source is built with: this file
// does not include them itself, so that it fails should they ever stop coming that way.
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <optional>
#include <string>

// A failed comparison of text shows the text.
TEST(QtPrintersTest, TextIsPrintedQuotedAsText)
{
    struct Row
    {
        QString text;
        std::string printed;
    };
    const Row rows[] = {
        {QStringLiteral("é text"), "\"é text\""},
        {QString(), "\"\""},
        {QStringLiteral("say \"hi\"\\"), "\"say \\\"hi\\\"\\\\\""},
        {QStringLiteral("two\nlines\t\x01"), "\"two\\nlines\\t\\x01\""},
        {QString::fromUtf8("leaf \xF0\x9F\x8D\x83"), "\"leaf \xF0\x9F\x8D\x83\""},
        {QString(QChar(0xD800)) + u'x', "\"\\uD800x\""},
    };
    for (const Row &row : rows)
        EXPECT_EQ(testing::PrintToString(row.text), row.printed);
}

TEST(QtPrintersTest, ListsArePrintedAsTheirTexts)
{
    EXPECT_EQ(testing::PrintToString(QStringList()), "{}");
    EXPECT_EQ(testing::PrintToString(QStringList({"Skip Break", "Snooze 5m"})),
              "{ \"Skip Break\", \"Snooze 5m\" }");
    // Inside other values too, such as an optional text.
    EXPECT_EQ(testing::PrintToString(std::optional<QString>(QStringLiteral("ok"))), "(\"ok\")");
}

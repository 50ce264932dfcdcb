#include "core/InMemorySettingsRepository.h"
#include "core/ThemeManager.h"
#include "menubar/UpdateResultDialog.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class UpdateResultDialogTest : public ::testing::Test
{
protected:
    InMemorySettingsRepository store;
    ThemeManager theme{store, nullptr};
};

struct DialogParts
{
    QLabel *heading;
    QLabel *message;
    QPushButton *openPage;
    QPushButton *close;
};

DialogParts partsOf(UpdateResultDialog &dialog)
{
    return {dialog.findChild<QLabel *>("heading"), dialog.findChild<QLabel *>("message"),
            dialog.findChild<QPushButton *>("openPage"), dialog.findChild<QPushButton *>("close")};
}

} // namespace

TEST_F(UpdateResultDialogTest, NewerVersionOffersItsPageAndOpensItOnRequest)
{
    QList<QUrl> opened;
    UpdateResultDialog dialog(theme, nullptr, [&](const QUrl &url) {
        opened.append(url);
        return true;
    });
    const DialogParts parts = partsOf(dialog);
    ASSERT_TRUE(parts.heading && parts.message && parts.openPage && parts.close);

    dialog.showResult(UpdateCheckResult::newerVersion("2.0", "1.0",
                                                      QUrl("https://lumenpause.example/2.0")));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(parts.heading->text(), "A new version is available");
    EXPECT_TRUE(parts.message->text().contains("2.0 is available"));
    ASSERT_TRUE(parts.openPage->isVisible());
    EXPECT_TRUE(parts.openPage->isDefault());

    parts.openPage->click();
    EXPECT_EQ(opened, QList<QUrl>{QUrl("https://lumenpause.example/2.0")});
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(UpdateResultDialogTest, UpToDateOrFailedOffersNoPageEvenAfterANewerResult)
{
    QList<QUrl> opened;
    UpdateResultDialog dialog(theme, nullptr, [&](const QUrl &url) {
        opened.append(url);
        return true;
    });
    const DialogParts parts = partsOf(dialog);
    dialog.showResult(UpdateCheckResult::newerVersion("2.0", "1.0", QUrl("https://x.example/")));

    dialog.showResult(UpdateCheckResult::upToDate("2.0"));
    EXPECT_EQ(parts.heading->text(), "You're up to date");
    EXPECT_FALSE(parts.openPage->isVisible());
    EXPECT_TRUE(parts.close->isDefault());

    dialog.showResult(UpdateCheckResult::feedUnreadable("The update feed is empty."));
    EXPECT_EQ(parts.heading->text(), "Update check failed");
    EXPECT_EQ(parts.message->text(), "Could not check for updates. The update feed is empty.");
    EXPECT_FALSE(parts.openPage->isVisible());

    dialog.showResult(UpdateCheckResult::noUpdateFeed());
    EXPECT_EQ(parts.heading->text(), "No update feed");
    EXPECT_FALSE(parts.openPage->isVisible());

    // A newer version without a safe page is announced but offers nothing to open.
    dialog.showResult(UpdateCheckResult::newerVersion("2.0", "1.0", QUrl()));
    EXPECT_FALSE(parts.openPage->isVisible());
    parts.close->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(UpdateResultDialogTest, TextFromTheFeedIsShownAsPlainText)
{
    UpdateResultDialog dialog(theme, nullptr, [](const QUrl &) { return true; });
    dialog.showResult(UpdateCheckResult::newerVersion("2.0<b>x</b>", "1.0", QUrl()));
    const DialogParts parts = partsOf(dialog);
    EXPECT_EQ(parts.message->textFormat(), Qt::PlainText);
    EXPECT_TRUE(parts.message->text().contains("2.0<b>x</b>"));
}

// Light or dark as the user's theme says, whatever the desktop's palette, and following a
// change while it is open.
TEST_F(UpdateResultDialogTest, ItTakesTheSchemeOfTheUsersTheme)
{
    const auto isDark = [](const QWidget *widget) {
        return widget->palette().color(QPalette::Window).lightnessF() < 0.5;
    };
    theme.setAppTheme(AppTheme::dark);
    UpdateResultDialog dialog(theme, nullptr, [](const QUrl &) { return true; });
    dialog.showResult(UpdateCheckResult::upToDate("2.0"));
    const DialogParts parts = partsOf(dialog);
    EXPECT_TRUE(isDark(&dialog));
    EXPECT_GT(parts.heading->palette().color(QPalette::WindowText).lightnessF(), 0.5) << "light text";
    EXPECT_TRUE(isDark(parts.close));

    theme.setAppTheme(AppTheme::light);
    EXPECT_FALSE(isDark(&dialog));
    EXPECT_LT(parts.heading->palette().color(QPalette::WindowText).lightnessF(), 0.5) << "dark text";
}

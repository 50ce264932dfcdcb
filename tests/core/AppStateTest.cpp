#include "core/AppState.h"
#include "core/LogBuffer.h"
#include "support/LogCapture.h"

#include <QRegularExpression>
#include <QSignalSpy>

#include <gtest/gtest.h>

TEST(AppStateTest, RawValuesRoundTripExactlyAndRejectOtherSpellings)
{
    for (AppState state : {AppState::launching, AppState::onboarding, AppState::background,
                           AppState::settings, AppState::breakRunning, AppState::shutdown}) {
        EXPECT_EQ(appStateFromRawValue(appStateRawValue(state)), state);
    }
    EXPECT_EQ(appStateRawValue(AppState::breakRunning), "breakRunning");
    EXPECT_FALSE(appStateFromRawValue("Background"));
    EXPECT_FALSE(appStateFromRawValue("breakrunning"));
    EXPECT_FALSE(appStateFromRawValue(""));
}

TEST(AppStateTest, TransitionLogsALineInTheDocumentedFormat)
{
    AppStateStore store;
    EXPECT_EQ(store.current(), AppState::launching);
    store.transition(AppState::background);

    const QStringList lines = LogBuffer::shared().entries();
    ASSERT_FALSE(lines.isEmpty());
    static const QRegularExpression line(QStringLiteral(
        R"(^\[\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}\.\d{3}\] \[INFO\] \[AppState\] launching → background$)"));
    EXPECT_TRUE(line.match(lines.last()).hasMatch()) << lines.last().toStdString();
}

TEST(AppStateTest, TransitionToTheCurrentPhaseLogsButNotifiesNobody)
{
    LogCapture log;
    AppStateStore store;
    QSignalSpy changes(&store, &AppStateStore::currentChanged);

    store.transition(AppState::background);
    store.transition(AppState::background);
    store.transition(AppState::breakRunning);
    store.transition(AppState::settings); // any phase may follow any other

    EXPECT_EQ(changes.count(), 3);
    EXPECT_EQ(store.current(), AppState::settings);
    EXPECT_EQ(log.messages("AppState"),
              QStringList({"launching → background", "background → background",
                           "background → breakRunning", "breakRunning → settings"}));
}

#include "menubar/MenuBarStatusPresentation.h"

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const MenuBarStatusPresentation &p, std::ostream *out)
{
    *out << "{kind " << int(p.kind) << ", title \"" << p.statusTitle.toStdString()
         << "\", header \"" << p.headerTitle.toStdString() << "\" / \""
         << p.headerSubtitle.toStdString() << "\", tip \"" << p.toolTip.toStdString()
         << "\", " << p.symbolName.toStdString() << (p.dimsIcon ? ", dimmed}" : "}");
}

namespace {

using Kind = MenuBarStatusKind;

const QLocale english(QLocale::English, QLocale::UnitedStates);
const QDateTime tuesdayNine(QDate(2025, 3, 4), QTime(9, 0));

// An onboarded user inside office hours with the timer counting down.
MenuBarStatusContext running(double timeRemaining = 1200)
{
    MenuBarStatusContext context;
    context.hasCompletedOnboarding = true;
    context.isRunning = true;
    context.timeRemaining = timeRemaining;
    return context;
}

MenuBarStatusContext pausedFor(PauseReason reason)
{
    MenuBarStatusContext context = running();
    context.isRunning = false;
    context.isPaused = true;
    context.pauseReason = reason;
    return context;
}

MenuBarStatusContext with(MenuBarStatusContext context,
                          const std::function<void(MenuBarStatusContext &)> &change)
{
    change(context);
    return context;
}

MenuBarStatusPresentation expected(Kind kind, const QString &statusTitle, const QString &title,
                                   const QString &subtitle, const QString &toolTip,
                                   const QString &symbol, bool dims = false)
{
    return {kind, statusTitle, title, subtitle, toolTip, symbol, dims};
}

struct Case
{
    const char *name;
    MenuBarStatusContext context;
    MenuBarStatusPresentation presentation;
};

void expectCases(const std::vector<Case> &cases)
{
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MenuBarStatusPresentation::make(c.context, tuesdayNine, english), c.presentation);
    }
}

} // namespace

// The kinds in the order their rules are tried: each case also holds the conditions of the
// rules below it, which must lose.
TEST(MenuBarStatusPresentationTest, EachKindWinsOverTheRulesAfterIt)
{
    const QDateTime quarterPast = tuesdayNine.addSecs(15 * 60);
    expectCases({
        {"setup, even in a break", with(running(), [](auto &c) {
             c.hasCompletedOnboarding = false;
             c.isBreakInProgress = true;
         }),
         expected(Kind::setup, "", "Finish setting up Lumenpause",
                  "Complete the short setup to start your break reminders.",
                  "Lumenpause: Setup in progress", "camera.macro")},
        {"break in progress, even outside office hours", with(running(), [](auto &c) {
             c.isBreakInProgress = true;
             c.isWithinOfficeHours = false;
         }),
         expected(Kind::breakInProgress, "", "Break in progress",
                  "Step away and give yourself a moment.", "Lumenpause: Break in progress",
                  "figure.walk")},
        {"outside office hours, even paused by hand", with(pausedFor(PauseReason::manual), [](auto &c) {
             c.isWithinOfficeHours = false;
             c.nextOfficeHoursStart = QDateTime(QDate(2025, 3, 5), QTime(9, 0));
         }),
         expected(Kind::offHours, "", "Outside office hours", "Resumes tomorrow at 9:00 AM",
                  "Lumenpause: Outside office hours. Resumes tomorrow at 9:00 AM",
                  "clock.badge.xmark")},
        {"timed pause, even during a call", with(pausedFor(PauseReason::manual), [&](auto &c) {
             c.scheduledResumeDate = quarterPast;
             c.isMeeting = true;
         }),
         expected(Kind::timedPause, "15m", "Breaks paused", "Resumes at 9:15 AM",
                  "Lumenpause: Paused. Resumes at 9:15 AM", "pause.circle")},
        {"manual pause, even during a call", with(pausedFor(PauseReason::manual), [](auto &c) {
             c.isMeeting = true;
         }),
         expected(Kind::manualPause, "", "Breaks paused", "Paused manually",
                  "Lumenpause: Breaks paused manually", "pause.circle")},
        {"meeting, even when idle and paused", with(pausedFor(PauseReason::meeting), [](auto &c) {
             c.isMeeting = true;
             c.meetingPausesBreaks = true;
             c.meetingDetector = DetectorType::zoom;
             c.isIdle = true;
         }),
         expected(Kind::meeting, "", "Zoom call detected", "Breaks resume when the meeting ends.",
                  "Lumenpause: Zoom call detected. Breaks resume when the meeting ends.", "video")},
        {"idle, even paused for sleep", with(pausedFor(PauseReason::sleep), [](auto &c) {
             c.isIdle = true;
         }),
         expected(Kind::idle, "", "You're away", "Timer paused while you're away.",
                  "Lumenpause: Timer paused while you're away", "moon.zzz", true)},
        {"auto-paused, even while a break waits", with(pausedFor(PauseReason::media), [](auto &c) {
             c.isWaitingForNaturalPause = true;
         }),
         expected(Kind::autoPaused, "", "Breaks auto-paused", "Paused while media is playing.",
                  "Lumenpause: Breaks auto-paused", "pause.circle")},
        {"waiting for a natural pause", with(running(0), [](auto &c) {
             c.isWaitingForNaturalPause = true;
         }),
         expected(Kind::waitingForNaturalPause, "", "Break ready",
                  "Waiting for a natural pause in your work.",
                  "Lumenpause: Break ready. Waiting for a natural pause in your work.", "hourglass")},
        {"stopped", with(running(), [](auto &c) { c.isRunning = false; }),
         expected(Kind::stopped, "", "Break timer isn't running",
                  "Take a break now or open Settings.", "Lumenpause: Break timer is not running",
                  "exclamationmark.circle")},
        {"break soon", running(59.9),
         expected(Kind::breakSoon, "<1m", "Next break in <1m", "Next break in 59 seconds",
                  "Lumenpause: Next break in 0:59", "camera.macro")},
        {"running", running(60),
         expected(Kind::running, "1m", "Next break in 1m", "Lumenpause is running.",
                  "Lumenpause: Next break in 1:00", "camera.macro")},
    });
}

TEST(MenuBarStatusPresentationTest, CountdownTextsAroundTheLastMinute)
{
    const auto exact = [](double remaining) {
        return with(running(remaining), [](auto &c) { c.timerStyle = "exact"; });
    };
    expectCases({
        {"1.5 s is one second", running(1.5),
         expected(Kind::breakSoon, "<1m", "Next break in <1m", "Next break in 1 second",
                  "Lumenpause: Next break in 0:01", "camera.macro")},
        {"zero", running(0),
         expected(Kind::breakSoon, "<1m", "Next break in <1m", "Next break in 0 seconds",
                  "Lumenpause: Next break in 0:00", "camera.macro")},
        {"overdue reads as zero", running(-3),
         expected(Kind::breakSoon, "<1m", "Next break in <1m", "Next break in 0 seconds",
                  "Lumenpause: Next break in 0:00", "camera.macro")},
        {"exact style under a minute still shows <1m", exact(42),
         expected(Kind::breakSoon, "<1m", "Next break in <1m", "Next break in 42 seconds",
                  "Lumenpause: Next break in 0:42", "camera.macro")},
        {"exact style at a minute", exact(60),
         expected(Kind::running, "1:00", "Next break in 1m", "Lumenpause is running.",
                  "Lumenpause: Next break in 1:00", "camera.macro")},
        {"an unknown style shows the clock", with(running(61), [](auto &c) { c.timerStyle = "digital"; }),
         expected(Kind::running, "1:01", "Next break in 2m", "Lumenpause is running.",
                  "Lumenpause: Next break in 1:01", "camera.macro")},
        {"no hour field", running(3725),
         expected(Kind::running, "63m", "Next break in 63m", "Lumenpause is running.",
                  "Lumenpause: Next break in 62:05", "camera.macro")},
    });
}

TEST(MenuBarStatusPresentationTest, TimedPauseTitleCountsTheMinuteUnderWay)
{
    const auto endingIn = [](qint64 seconds) {
        return with(pausedFor(PauseReason::manual),
                    [&](auto &c) { c.scheduledResumeDate = tuesdayNine.addSecs(seconds); });
    };
    EXPECT_EQ(MenuBarStatusPresentation::make(endingIn(30), tuesdayNine, english).statusTitle, "1m");
    EXPECT_EQ(MenuBarStatusPresentation::make(endingIn(61), tuesdayNine, english).statusTitle, "2m");
    const MenuBarStatusPresentation atTheEnd =
        MenuBarStatusPresentation::make(endingIn(0), tuesdayNine, english);
    EXPECT_EQ(atTheEnd.kind, Kind::manualPause);
    EXPECT_EQ(atTheEnd.statusTitle, "");
    EXPECT_EQ(MenuBarStatusPresentation::make(endingIn(-60), tuesdayNine, english).kind,
              Kind::manualPause);
}

TEST(MenuBarStatusPresentationTest, HidingTheTimerEmptiesEveryTitle)
{
    const auto hidden = [](MenuBarStatusContext context) {
        context.showTimer = false;
        return MenuBarStatusPresentation::make(context, tuesdayNine, english);
    };
    EXPECT_EQ(hidden(running(600)).statusTitle, "");
    EXPECT_EQ(hidden(running(30)).statusTitle, "");
    EXPECT_EQ(hidden(with(pausedFor(PauseReason::manual), [](auto &c) {
                  c.scheduledResumeDate = tuesdayNine.addSecs(600);
              })).statusTitle,
              "");
}

TEST(MenuBarStatusPresentationTest, MeetingTextsByDetectorAndDiscretion)
{
    const auto meeting = [](std::optional<DetectorType> detector, bool pausing, bool hidden) {
        MenuBarStatusContext context = running();
        context.isMeeting = true;
        context.meetingDetector = detector;
        context.meetingPausesBreaks = pausing;
        context.hideMeetingStatus = hidden;
        return MenuBarStatusPresentation::make(context, tuesdayNine, english);
    };
    const std::pair<std::optional<DetectorType>, const char *> lines[] = {
        {DetectorType::zoom, "Zoom call detected"},
        {DetectorType::teams, "Teams call detected"},
        {DetectorType::browser, "Browser call detected"},
        {DetectorType::slack, "Slack call detected"},
        {DetectorType::discord, "Discord call detected"},
        {DetectorType::webex, "Webex call detected"},
        {DetectorType::facetime, "FaceTime call detected"},
        {DetectorType::voiceMemos, "Voice Memos recording detected"},
        {DetectorType::generic, "Call or recording detected"},
        {std::nullopt, "Call or recording detected"},
    };
    for (const auto &[detector, line] : lines)
        EXPECT_EQ(meeting(detector, true, false).headerTitle, line);

    EXPECT_EQ(meeting(DetectorType::teams, false, false),
              expected(Kind::meeting, "", "Teams call detected", "Break reminders are still running.",
                       "Lumenpause: Teams call detected. Break reminders are still running.",
                       "video"));
    EXPECT_EQ(meeting(DetectorType::zoom, true, true),
              expected(Kind::meeting, "", "Breaks auto-paused", "Automatic pause is active.",
                       "Lumenpause: Automatic pause is active.", "camera.macro"));
    EXPECT_EQ(meeting(DetectorType::zoom, false, true),
              expected(Kind::meeting, "", "Lumenpause is running",
                       "Break reminders are still running.",
                       "Lumenpause: Break reminders are still running.", "camera.macro"));
}

TEST(MenuBarStatusPresentationTest, AutoPausedSubtitleNamesTheReason)
{
    const std::pair<PauseReason, const char *> reasons[] = {
        {PauseReason::officeHours, "Paused outside office hours."},
        {PauseReason::media, "Paused while media is playing."},
        {PauseReason::sleep, "Paused while your computer sleeps."},
        {PauseReason::displaySleep, "Paused while your display sleeps."},
        {PauseReason::meeting, "Lumenpause will resume automatically."},
        {PauseReason::idle, "Lumenpause will resume automatically."},
    };
    for (const auto &[reason, subtitle] : reasons) {
        const MenuBarStatusPresentation p =
            MenuBarStatusPresentation::make(pausedFor(reason), tuesdayNine, english);
        EXPECT_EQ(p.kind, Kind::autoPaused);
        EXPECT_EQ(p.headerSubtitle, subtitle);
    }
    MenuBarStatusContext noReason = pausedFor(PauseReason::media);
    noReason.pauseReason.reset();
    EXPECT_EQ(MenuBarStatusPresentation::make(noReason, tuesdayNine, english).headerSubtitle,
              "Lumenpause will resume automatically.");
}

TEST(MenuBarStatusPresentationTest, OfficeHoursResumeNamesTheDay)
{
    const QDateTime sevenAm(QDate(2025, 3, 4), QTime(7, 0));
    EXPECT_EQ(formatOfficeHoursResume(QDateTime(QDate(2025, 3, 4), QTime(10, 0)), sevenAm, english),
              "Resumes today at 10:00 AM");
    EXPECT_EQ(formatOfficeHoursResume(QDateTime(QDate(2025, 3, 5), QTime(8, 30)), tuesdayNine,
                                      english),
              "Resumes tomorrow at 8:30 AM");
    EXPECT_EQ(formatOfficeHoursResume(QDateTime(QDate(2025, 3, 10), QTime(9, 0)), tuesdayNine,
                                      english),
              "Resumes Monday at 9:00 AM");

    MenuBarStatusContext nothingAhead = running();
    nothingAhead.isWithinOfficeHours = false;
    const MenuBarStatusPresentation p =
        MenuBarStatusPresentation::make(nothingAhead, tuesdayNine, english);
    EXPECT_EQ(p.headerSubtitle, "No upcoming office hours are enabled.");
    EXPECT_EQ(p.toolTip, "Lumenpause: Outside office hours. No upcoming office hours are enabled.");
}

TEST(MenuBarStatusPresentationTest, RoundedTimeCountsStartedMinutes)
{
    const std::pair<qint64, const char *> cases[] = {
        {0, "<1m"}, {59, "<1m"}, {60, "1m"}, {61, "2m"}, {120, "2m"}, {121, "3m"}};
    for (const auto &[seconds, text] : cases)
        EXPECT_EQ(formatRoundedTimeRemaining(seconds), text) << seconds;
}

TEST(MenuBarStatusPresentationTest, OnlyIdleDimsTheIcon)
{
    for (const MenuBarStatusContext &context :
         {running(), running(10), pausedFor(PauseReason::manual), pausedFor(PauseReason::sleep),
          with(running(), [](auto &c) { c.isBreakInProgress = true; })})
        EXPECT_FALSE(MenuBarStatusPresentation::make(context, tuesdayNine, english).dimsIcon);
    EXPECT_TRUE(MenuBarStatusPresentation::make(with(running(), [](auto &c) { c.isIdle = true; }),
                                                tuesdayNine, english)
                    .dimsIcon);
}

#include "menubar/MenuBarStatusPresentation.h"

#include <QTimeZone>

#include <cmath>

namespace {

using Kind = MenuBarStatusKind;

constexpr qint64 secondsPerMinute = 60;
// Far beyond any interval, and small enough that truncating cannot overflow.
constexpr double secondsLimit = 1e12;

QString withAppName(const QString &text)
{
    return QStringLiteral("Lumenpause: ") + text;
}

// The whole seconds left, truncated toward zero; a value that is no number counts as none.
qint64 wholeSeconds(double timeRemaining)
{
    if (!std::isfinite(timeRemaining))
        return 0;
    return qint64(std::trunc(std::clamp(timeRemaining, -secondsLimit, secondsLimit)));
}

// "m:ss" with no hour field, so 3725 s reads 62:05.
QString clockText(qint64 seconds)
{
    return QStringLiteral("%1:%2")
        .arg(seconds / secondsPerMinute)
        .arg(seconds % secondsPerMinute, 2, 10, QLatin1Char('0'));
}

Kind kindFor(const MenuBarStatusContext &context, const QDateTime &now)
{
    if (!context.hasCompletedOnboarding)
        return Kind::setup;
    if (context.isBreakInProgress)
        return Kind::breakInProgress;
    if (!context.isWithinOfficeHours)
        return Kind::offHours;
    if (context.isPaused && context.pauseReason == PauseReason::manual) {
        const bool endAhead = context.scheduledResumeDate && *context.scheduledResumeDate > now;
        return endAhead ? Kind::timedPause : Kind::manualPause;
    }
    if (context.isMeeting)
        return Kind::meeting;
    if (context.isIdle)
        return Kind::idle;
    if (context.isPaused)
        return Kind::autoPaused;
    if (context.isWaitingForNaturalPause)
        return Kind::waitingForNaturalPause;
    if (!context.isRunning)
        return Kind::stopped;
    return wholeSeconds(context.timeRemaining) < secondsPerMinute ? Kind::breakSoon : Kind::running;
}

QString detectorLine(std::optional<DetectorType> detector)
{
    switch (detector.value_or(DetectorType::generic)) {
    case DetectorType::zoom: return QStringLiteral("Zoom call detected");
    case DetectorType::teams: return QStringLiteral("Teams call detected");
    case DetectorType::browser: return QStringLiteral("Browser call detected");
    case DetectorType::slack: return QStringLiteral("Slack call detected");
    case DetectorType::discord: return QStringLiteral("Discord call detected");
    case DetectorType::webex: return QStringLiteral("Webex call detected");
    case DetectorType::facetime: return QStringLiteral("FaceTime call detected");
    case DetectorType::voiceMemos: return QStringLiteral("Voice Memos recording detected");
    case DetectorType::generic: break;
    }
    return QStringLiteral("Call or recording detected");
}

QString autoPausedSubtitle(std::optional<PauseReason> reason)
{
    switch (reason.value_or(PauseReason::idle)) {
    case PauseReason::officeHours: return QStringLiteral("Paused outside office hours.");
    case PauseReason::media: return QStringLiteral("Paused while media is playing.");
    case PauseReason::sleep: return QStringLiteral("Paused while your computer sleeps.");
    case PauseReason::displaySleep: return QStringLiteral("Paused while your display sleeps.");
    case PauseReason::meeting:
    case PauseReason::idle:
    case PauseReason::manual: break;
    }
    return QStringLiteral("Lumenpause will resume automatically.");
}

void fill(MenuBarStatusPresentation &p, const QString &title, const QString &subtitle,
          const QString &toolTip, const QString &symbolName)
{
    p.headerTitle = title;
    p.headerSubtitle = subtitle;
    p.toolTip = toolTip;
    p.symbolName = symbolName;
}

void fillOffHours(MenuBarStatusPresentation &p, const MenuBarStatusContext &context,
                  const QDateTime &now, const QLocale &locale)
{
    const QString subtitle = context.nextOfficeHoursStart
        ? formatOfficeHoursResume(*context.nextOfficeHoursStart, now, locale)
        : QStringLiteral("No upcoming office hours are enabled.");
    fill(p, QStringLiteral("Outside office hours"), subtitle,
         withAppName(QStringLiteral("Outside office hours. ") + subtitle),
         QStringLiteral("clock.badge.xmark"));
}

void fillTimedPause(MenuBarStatusPresentation &p, const MenuBarStatusContext &context,
                    const QDateTime &now, const QLocale &locale)
{
    const QDateTime end = context.scheduledResumeDate->toTimeZone(now.timeZone());
    const QString subtitle = QStringLiteral("Resumes at ")
        + locale.toString(end.time(), QLocale::ShortFormat);
    fill(p, QStringLiteral("Breaks paused"), subtitle,
         withAppName(QStringLiteral("Paused. ") + subtitle), QStringLiteral("pause.circle"));
    if (context.showTimer) {
        // Never "0m" while the pause lasts: the minute under way counts.
        const qint64 minutesLeft = qint64(std::ceil(double(now.msecsTo(end)) / 60000.0));
        p.statusTitle = QString::number(std::max<qint64>(minutesLeft, 1)) + QLatin1Char('m');
    }
}

void fillMeeting(MenuBarStatusPresentation &p, const MenuBarStatusContext &context)
{
    const bool paused = context.meetingPausesBreaks;
    const QString stillRunning = QStringLiteral("Break reminders are still running.");
    if (context.hideMeetingStatus) {
        const QString subtitle = paused ? QStringLiteral("Automatic pause is active.")
                                        : stillRunning;
        fill(p,
             paused ? QStringLiteral("Breaks auto-paused")
                    : QStringLiteral("Lumenpause is running"),
             subtitle, withAppName(subtitle), QStringLiteral("camera.macro"));
        return;
    }
    const QString title = detectorLine(context.meetingDetector);
    const QString subtitle = paused ? QStringLiteral("Breaks resume when the meeting ends.")
                                    : stillRunning;
    fill(p, title, subtitle, withAppName(title + QStringLiteral(". ") + subtitle),
         QStringLiteral("video"));
}

void fillCountdown(MenuBarStatusPresentation &p, const MenuBarStatusContext &context)
{
    const qint64 whole = wholeSeconds(context.timeRemaining);
    const qint64 secs = std::max<qint64>(whole, 0);
    const QString toolTip = withAppName(QStringLiteral("Next break in ") + clockText(secs));
    if (p.kind == Kind::breakSoon) {
        const QString subtitle = whole == 1 ? QStringLiteral("Next break in 1 second")
                                            : QStringLiteral("Next break in %1 seconds").arg(secs);
        fill(p, QStringLiteral("Next break in <1m"), subtitle, toolTip,
             QStringLiteral("camera.macro"));
        // Under a minute the exact style shows "<1m" too: a title that changes every second
        // would pull the eye to the tray just before the break.
        if (context.showTimer)
            p.statusTitle = QStringLiteral("<1m");
        return;
    }
    const QString minutes = formatRoundedTimeRemaining(secs);
    fill(p, QStringLiteral("Next break in ") + minutes, QStringLiteral("Lumenpause is running."),
         toolTip, QStringLiteral("camera.macro"));
    if (context.showTimer) {
        const bool rounded = context.timerStyle == QLatin1String("rounded");
        p.statusTitle = rounded ? minutes : clockText(secs);
    }
}

// The kinds whose texts are fixed.
void fillFixed(MenuBarStatusPresentation &p)
{
    switch (p.kind) {
    case Kind::setup:
        fill(p, QStringLiteral("Finish setting up Lumenpause"),
             QStringLiteral("Complete the short setup to start your break reminders."),
             withAppName(QStringLiteral("Setup in progress")), QStringLiteral("camera.macro"));
        break;
    case Kind::breakInProgress:
        fill(p, QStringLiteral("Break in progress"),
             QStringLiteral("Step away and give yourself a moment."),
             withAppName(QStringLiteral("Break in progress")), QStringLiteral("figure.walk"));
        break;
    case Kind::manualPause:
        fill(p, QStringLiteral("Breaks paused"), QStringLiteral("Paused manually"),
             withAppName(QStringLiteral("Breaks paused manually")), QStringLiteral("pause.circle"));
        break;
    case Kind::idle:
        fill(p, QStringLiteral("You're away"), QStringLiteral("Timer paused while you're away."),
             withAppName(QStringLiteral("Timer paused while you're away")),
             QStringLiteral("moon.zzz"));
        p.dimsIcon = true;
        break;
    case Kind::waitingForNaturalPause:
        fill(p, QStringLiteral("Break ready"),
             QStringLiteral("Waiting for a natural pause in your work."),
             withAppName(QStringLiteral("Break ready. Waiting for a natural pause in your work.")),
             QStringLiteral("hourglass"));
        break;
    case Kind::stopped:
        fill(p, QStringLiteral("Break timer isn't running"),
             QStringLiteral("Take a break now or open Settings."),
             withAppName(QStringLiteral("Break timer is not running")),
             QStringLiteral("exclamationmark.circle"));
        break;
    default: break;
    }
}

} // namespace

MenuBarStatusPresentation MenuBarStatusPresentation::make(const MenuBarStatusContext &context,
                                                          const QDateTime &now,
                                                          const QLocale &locale)
{
    MenuBarStatusPresentation p;
    p.kind = kindFor(context, now);
    switch (p.kind) {
    case Kind::offHours: fillOffHours(p, context, now, locale); break;
    case Kind::timedPause: fillTimedPause(p, context, now, locale); break;
    case Kind::meeting: fillMeeting(p, context); break;
    case Kind::autoPaused:
        fill(p, QStringLiteral("Breaks auto-paused"), autoPausedSubtitle(context.pauseReason),
             withAppName(QStringLiteral("Breaks auto-paused")), QStringLiteral("pause.circle"));
        break;
    case Kind::breakSoon:
    case Kind::running: fillCountdown(p, context); break;
    default: fillFixed(p); break;
    }
    return p;
}

QString formatRoundedTimeRemaining(qint64 seconds)
{
    if (seconds < secondsPerMinute)
        return QStringLiteral("<1m");
    return QString::number((seconds + secondsPerMinute - 1) / secondsPerMinute) + QLatin1Char('m');
}

QString formatOfficeHoursResume(const QDateTime &start, const QDateTime &now, const QLocale &locale)
{
    const QDateTime localStart = start.toTimeZone(now.timeZone());
    const QDate today = now.date();
    QString day;
    if (localStart.date() == today)
        day = QStringLiteral("today");
    else if (localStart.date() == today.addDays(1))
        day = QStringLiteral("tomorrow");
    else
        day = locale.toString(localStart.date(), QStringLiteral("dddd"));
    return QStringLiteral("Resumes %1 at %2")
        .arg(day, locale.toString(localStart.time(), QLocale::ShortFormat));
}

#include "breakscreen/BreakOverlayModel.h"

#include "breakscreen/BreakScreenConfig.h"
#include "breakscreen/BreakWindowManager.h"
#include "breakscreen/SnoozeOption.h"
#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/Logger.h"
#include "scheduling/BreakMessages.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

const QString kCategory = QStringLiteral("BreakOverlay");

constexpr double kTickSeconds = 1.0;
// The last fifth of a break offers "End Break"; a double Escape before it is a skip.
constexpr double kFinalFifth = 0.2;
constexpr double kSkipThreshold = 0.8;
// The system clock's timers are coarse and may fire up to 5 % of their second early. Taken
// at face value, such a tick would still see a sliver over a whole second, show the same
// number again and leave the break running a second too long.
constexpr double kEarlyFiringToleranceSeconds = 0.1;

template <typename T, typename Signal>
void emitIfChanged(BreakOverlayModel *model, const T &before, const T &after, Signal changed)
{
    if (!(before == after))
        emit(model->*changed)(after);
}

} // namespace

BreakOverlayModel::BreakOverlayModel(BreakScreenConfig &config, bool isLongBreak,
                                     BreakOverlayMode mode, OutcomeReceiver onDismissBreak,
                                     AppSettings &settings, Clock &clock, QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_isLongBreak(isLongBreak)
    , m_mode(mode)
    , m_onDismissBreak(std::move(onDismissBreak))
    , m_settings(settings)
    , m_clock(clock)
    , m_escapePresses(clock)
{
    m_showButtons = m_mode.isPreview();
    m_breakDuration = chooseDuration();
    logDebug(kCategory, QStringLiteral("Init - duration: %1s, isLong: %2")
                            .arg(QString::number(m_breakDuration), formatBoolForLog(isLongBreak)));
    m_countdown = m_breakDuration;
    m_fixedMessage = chooseMessage();
    m_lastDerived = derived();
    watchInputs();
}

qint64 BreakOverlayModel::chooseDuration() const
{
    if (m_mode.isPreview())
        return std::max<qint64>(m_mode.previewDurationSeconds(), 1);
    // Bounded, so that the end time cannot overflow into the past.
    if (const std::optional<qint64> planned = BreakWindowManager::scheduledBreakDurationSeconds())
        return AppSettings::boundedBreakSeconds(*planned);
    return AppSettings::boundedBreakSeconds(m_isLongBreak ? m_settings.longBreakDuration()
                                                          : m_settings.breakDuration());
}

QString BreakOverlayModel::chooseMessage()
{
    // A preview shows what a routine break would, and must leave a planned break's name
    // for the break it belongs to.
    if (!m_mode.isPreview()) {
        if (std::optional<QString> plannedName = BreakWindowManager::takeScheduledBreakName())
            return *plannedName;
    }
    switch (m_config.message()) {
    case BreakScreenMessage::random:
        return randomBreakMessage(breakMessages());
    case BreakScreenMessage::custom:
        return m_config.customMessage().isEmpty() ? QStringLiteral("Take a break")
                                                  : m_config.shownCustomMessage();
    default:
        return rawValue(m_config.message());
    }
}

// What the controls and the hint show follows the settings while the break is up: a limit
// reached or a mode changed elsewhere shows at once.
void BreakOverlayModel::watchInputs()
{
    const auto refresh = [this] { refreshDerived(); };
    connect(&m_config, &BreakScreenConfig::clockVisibleChanged, this, refresh);
    connect(&m_config, &BreakScreenConfig::showSkipChanged, this, refresh);
    connect(&m_config, &BreakScreenConfig::showSnoozeChanged, this, refresh);
    connect(&m_config, &BreakScreenConfig::escapeBehaviorChanged, this, refresh);
    connect(&m_settings, &AppSettings::enforcementChanged, this, refresh);
    connect(&m_settings, &AppSettings::skipsPerDayChanged, this, refresh);
    connect(&m_settings, &AppSettings::skipsUsedTodayChanged, this, refresh);
    connect(&m_settings, &AppSettings::snoozesPerDayChanged, this, refresh);
    connect(&m_settings, &AppSettings::snoozesUsedTodayChanged, this, refresh);
    connect(&m_settings, &AppSettings::lastSnoozeResetDateChanged, this, refresh);
    connect(&m_settings, &AppSettings::endBreakEarlyChanged, this, refresh);
}

void BreakOverlayModel::appear()
{
    if (m_appeared)
        return;
    m_appeared = true;
    startCountdown();
    if (m_mode.isPreview())
        return;
    // A live break first shows its message alone, then lets it go for the ways out.
    m_messageFadeTimer = m_clock.schedule(messageFadeSeconds, false, [this] {
        setState(m_showTextContent, false, &BreakOverlayModel::showTextContentChanged);
    });
    m_buttonsTimer = m_clock.schedule(buttonsDelaySeconds, false, [this] {
        setState(m_showButtons, true, &BreakOverlayModel::showButtonsChanged);
    });
}

void BreakOverlayModel::disappear()
{
    m_appeared = false;
    m_countdownTimer.reset();
    m_messageFadeTimer.reset();
    m_buttonsTimer.reset();
    m_escapePresses.reset();
}

// The end is fixed once, so the countdown follows the clock: a late timer or time spent
// asleep shortens what is left instead of stretching the break. It is fixed on the
// monotonic reading: setting the time of day during a break neither keeps the screen up
// for an hour nor ends the break at once.
void BreakOverlayModel::startCountdown()
{
    logInfo(kCategory, QStringLiteral("Starting countdown: %1s, isLong: %2")
                           .arg(QString::number(m_countdown), formatBoolForLog(m_isLongBreak)));
    m_countdownTimer.reset();
    m_countdownEndMs = m_clock.monotonicMs() + std::max<qint64>(m_countdown, 0) * 1000;
    m_countdownTimer = m_clock.schedule(kTickSeconds, true, [this] { countdownTick(); });
}

qint64 BreakOverlayModel::secondsLeft() const
{
    const double left = double(m_countdownEndMs - m_clock.monotonicMs()) / 1000.0;
    return qint64(std::ceil(left - kEarlyFiringToleranceSeconds));
}

void BreakOverlayModel::countdownTick()
{
    const qint64 remaining = secondsLeft();
    if (remaining >= 1) {
        setCountdown(remaining);
        refreshDerived(); // also catches a new day's skip and snooze allowance
        return;
    }
    setCountdown(0);
    refreshDerived();
    m_countdownTimer.reset();
    countdownFinished();
}

// The break has run its length, however long that really took, so it counts in full.
void BreakOverlayModel::countdownFinished()
{
    const auto completedInFull = [this](bool waitForActivity) {
        reportOutcome(BreakDismissalOutcome::completed(m_breakDuration, false, waitForActivity),
                      QStringLiteral("countdown_completed"));
    };
    if (!m_isLongBreak) {
        completedInFull(false);
        return;
    }
    const QString resumeMode = m_settings.longBreakResume();
    if (resumeMode == QLatin1String("confirm"))
        setState(m_breakCompleteWaiting, true, &BreakOverlayModel::breakCompleteWaitingChanged);
    else
        completedInFull(resumeMode == QLatin1String("activity"));
}

bool BreakOverlayModel::handleEscape()
{
    if (!m_appeared)
        return false;
    logInfo(kCategory, QStringLiteral("Escape pressed - enforcement: %1, canSkip: %2, "
                                      "escapeBehavior: %3")
                           .arg(m_settings.enforcement(), formatBoolForLog(m_settings.canSkip()),
                                rawValue(m_config.escapeBehavior())));
    if (!m_settings.canSkip() || m_config.escapeBehavior() != EscBehavior::doubleEsc)
        return true;
    if (m_escapePresses.press())
        reportDoubleEscape();
    return true;
}

void BreakOverlayModel::reportDoubleEscape()
{
    const QString action = QStringLiteral("double_escape");
    // A break waiting for confirmation has run its full length: Escape only stands in for
    // Resume, and must not count it as ended early.
    if (m_breakCompleteWaiting)
        reportOutcome(BreakDismissalOutcome::completed(m_breakDuration, false, false), action);
    else if (escapeCountsAsSkip())
        reportOutcome(BreakDismissalOutcome::skipped(), action);
    else
        reportOutcome(BreakDismissalOutcome::completed(elapsedSeconds(), true, false), action);
}

bool BreakOverlayModel::escapeCountsAsSkip() const
{
    const qint64 elapsed = std::min(m_breakDuration, m_breakDuration - m_countdown);
    const double fraction =
        double(std::max<qint64>(elapsed, 0)) / double(std::max<qint64>(m_breakDuration, 1));
    const QString percent = QString::number(qint64(fraction * 100.0));
    if (fraction < kSkipThreshold) {
        logInfo(kCategory,
                QStringLiteral("Escape counted as skip - %1% completed (< 80%)").arg(percent));
        return true;
    }
    logInfo(kCategory,
            QStringLiteral("Escape NOT counted as skip - %1% completed (>= 80%)").arg(percent));
    return false;
}

void BreakOverlayModel::skip()
{
    reportOutcome(BreakDismissalOutcome::skipped(), QStringLiteral("skip_button"));
}

void BreakOverlayModel::snooze()
{
    reportOutcome(BreakDismissalOutcome::snoozed(defaultSnoozeDelaySeconds),
                  QStringLiteral("snooze_default"));
}

void BreakOverlayModel::snoozeWith(int snoozeValue)
{
    reportOutcome(BreakDismissalOutcome::snoozed(snoozeDelaySeconds(snoozeValue)),
                  QStringLiteral("snooze_custom"));
}

void BreakOverlayModel::endBreak()
{
    reportOutcome(BreakDismissalOutcome::completed(elapsedSeconds(), true, false),
                  QStringLiteral("end_break_button"));
}

void BreakOverlayModel::resume()
{
    reportOutcome(BreakDismissalOutcome::completed(m_breakDuration, false, false),
                  QStringLiteral("resume_after_confirmation"));
}

void BreakOverlayModel::reportOutcome(const BreakDismissalOutcome &outcome, const QString &action)
{
    logInfo(kCategory, formatLogEvent(QStringLiteral("dismissal_requested"),
                                      {{QStringLiteral("action"), action},
                                       {QStringLiteral("remaining"),
                                        QString::number(m_countdown) + QLatin1Char('s')}}));
    if (m_onDismissBreak)
        m_onDismissBreak(outcome);
}

qint64 BreakOverlayModel::elapsedSeconds() const
{
    return std::max<qint64>(std::min(m_breakDuration, m_breakDuration - m_countdown), 0);
}

double BreakOverlayModel::progressFraction() const
{
    if (m_breakDuration < 1)
        return 0.0;
    const double fraction = double(m_breakDuration - m_countdown) / double(m_breakDuration);
    return std::clamp(fraction, 0.0, 1.0);
}

bool BreakOverlayModel::inFinalFifth() const
{
    return m_breakDuration >= 1 && double(m_countdown) <= double(m_breakDuration) * kFinalFifth;
}

bool BreakOverlayModel::clockVisible() const
{
    return m_showButtons && m_config.clockVisible() && !m_breakCompleteWaiting;
}

bool BreakOverlayModel::actionRowVisible() const
{
    return m_showButtons && !m_breakCompleteWaiting;
}

bool BreakOverlayModel::skipVisible() const
{
    return m_config.showSkip() && m_settings.canSkip();
}

bool BreakOverlayModel::snoozeVisible() const
{
    return m_config.showSnooze() && m_settings.canSnooze();
}

bool BreakOverlayModel::endBreakVisible() const
{
    return m_settings.endBreakEarly() && m_breakDuration > 0
        && double(m_countdown) <= double(m_breakDuration) * kFinalFifth;
}

BreakOverlayHint BreakOverlayModel::hint() const
{
    if (m_settings.enforcement() == QLatin1String("Hardcore"))
        return BreakOverlayHint::strictMode;
    if (!m_settings.canSkip())
        return BreakOverlayHint::none;
    return m_config.escapeBehavior() == EscBehavior::disabled ? BreakOverlayHint::escapeDisabled
                                                              : BreakOverlayHint::escapeSkips;
}

template <typename Signal>
void BreakOverlayModel::setState(bool &field, bool value, Signal changed)
{
    if (field == value)
        return;
    field = value;
    emit(this->*changed)(field);
    refreshDerived();
}

void BreakOverlayModel::setCountdown(qint64 value)
{
    if (m_countdown == value)
        return;
    m_countdown = value;
    emit countdownChanged(m_countdown);
}

BreakOverlayModel::Derived BreakOverlayModel::derived() const
{
    return {elapsedSeconds(), progressFraction(), inFinalFifth(),
            clockVisible(),   actionRowVisible(), skipVisible(),
            snoozeVisible(),  endBreakVisible(),  hint()};
}

// The derived values are computed on every read; this only tells the view which of them
// moved since it last heard.
void BreakOverlayModel::refreshDerived()
{
    const Derived now = derived();
    const Derived before = std::exchange(m_lastDerived, now);
    emitIfChanged(this, before.elapsedSeconds, now.elapsedSeconds,
                  &BreakOverlayModel::elapsedSecondsChanged);
    emitIfChanged(this, before.progressFraction, now.progressFraction,
                  &BreakOverlayModel::progressFractionChanged);
    emitIfChanged(this, before.inFinalFifth, now.inFinalFifth,
                  &BreakOverlayModel::inFinalFifthChanged);
    emitIfChanged(this, before.clockVisible, now.clockVisible,
                  &BreakOverlayModel::clockVisibleChanged);
    emitIfChanged(this, before.actionRowVisible, now.actionRowVisible,
                  &BreakOverlayModel::actionRowVisibleChanged);
    emitIfChanged(this, before.skipVisible, now.skipVisible,
                  &BreakOverlayModel::skipVisibleChanged);
    emitIfChanged(this, before.snoozeVisible, now.snoozeVisible,
                  &BreakOverlayModel::snoozeVisibleChanged);
    emitIfChanged(this, before.endBreakVisible, now.endBreakVisible,
                  &BreakOverlayModel::endBreakVisibleChanged);
    emitIfChanged(this, before.hint, now.hint, &BreakOverlayModel::hintChanged);
}

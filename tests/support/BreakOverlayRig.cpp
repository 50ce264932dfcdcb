#include "support/BreakOverlayRig.h"

#include "breakscreen/BreakWindowManager.h"
#include "core/Logger.h"

namespace {

void clearPlannedBreak()
{
    BreakWindowManager::setScheduledBreakName(std::nullopt);
    BreakWindowManager::setScheduledBreakDurationSeconds(std::nullopt);
}

} // namespace

BreakOverlayRig::BreakOverlayRig(const QVariantMap &stored)
    : store(stored)
    , settings(store, clock)
{
    clearPlannedBreak();
}

BreakOverlayRig::~BreakOverlayRig()
{
    clearPlannedBreak();
}

std::unique_ptr<BreakOverlayModel> BreakOverlayRig::make(bool isLong, BreakOverlayMode mode)
{
    return std::make_unique<BreakOverlayModel>(
        config, isLong, mode,
        [this](const BreakDismissalOutcome &outcome) { outcomes.append(describe(outcome)); },
        settings, clock);
}

BreakOverlayModel &BreakOverlayRig::showBreak(qint64 seconds, bool isLong)
{
    if (isLong)
        settings.setLongBreakDuration(seconds);
    else
        settings.setBreakDuration(seconds);
    overlay = make(isLong);
    overlay->appear();
    return *overlay;
}

QStringList BreakOverlayRig::lines(const QString &prefix) const
{
    QStringList kept;
    for (const QString &line : log.messages(QStringLiteral("BreakOverlay"))) {
        if (line.startsWith(prefix))
            kept.append(line);
    }
    return kept;
}

QString BreakOverlayRig::describe(const BreakDismissalOutcome &outcome)
{
    if (const auto *completed = std::get_if<BreakDismissalOutcome::Completed>(&outcome.value))
        return QStringLiteral("completed elapsed=%1 endedEarly=%2 waitForActivity=%3")
            .arg(QString::number(completed->elapsedSeconds), formatBoolForLog(completed->endedEarly),
                 formatBoolForLog(completed->waitForActivity));
    if (const auto *snoozed = std::get_if<BreakDismissalOutcome::Snoozed>(&outcome.value))
        return QStringLiteral("snoozed delay=%1").arg(snoozed->delaySeconds);
    if (std::holds_alternative<BreakDismissalOutcome::Skipped>(outcome.value))
        return QStringLiteral("skipped");
    return QStringLiteral("interrupted");
}

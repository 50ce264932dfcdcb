#include "support/PlannedBreakRig.h"

#include "breakscreen/BreakWindowManager.h"

namespace {

QVariantMap withPlannedDefaults(QVariantMap stored)
{
    const QVariantMap defaults = {
        {QStringLiteral("breakInterval"), QVariant::fromValue(qint64(240))},
        {QStringLiteral("notificationsEnabled"), true},
        {QStringLiteral("headsUpSeconds"), QVariant::fromValue(qint64(60))},
    };
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it) {
        if (!stored.contains(it.key()))
            stored.insert(it.key(), it.value());
    }
    return stored;
}

} // namespace

PlannedBreak everyDay(const QString &name, QTime at, qint64 durationSeconds)
{
    PlannedBreak planned;
    planned.name = name;
    planned.hour = at.hour();
    planned.minute = at.minute();
    planned.durationSeconds = durationSeconds;
    planned.days = QList<bool>(PlannedBreak::daysInWeek, true);
    return planned;
}

void PrintTo(const PlannedBreak &planned, std::ostream *out)
{
    *out << planned.name.toStdString() << ' ' << planned.scheduledAtText().toStdString() << ' '
         << planned.durationSeconds << "s " << planned.idKey().toStdString()
         << (planned.enabled ? "" : " (off)");
}

PlannedBreakRig::PlannedBreakRig(const QVariantMap &stored, QDateTime start)
    : BreakSchedulerRig(withPlannedDefaults(stored), std::move(start))
{
    hud.setPresentAccepts(true);
    scheduler.setBreakPresenter([this](bool isLong) {
        presented.append(isLong);
        attempts.append(clock.now());
        if (!presenterAccepts)
            return false;
        shown.append({BreakWindowManager::scheduledBreakName().value_or(QString()),
                      scheduler.activeBreakContext()->durationSeconds, clock.now()});
        emit notifier.breakWillShow();
        breakShowing = true;
        return true;
    });
}

PlannedBreakRig::~PlannedBreakRig()
{
    BreakWindowManager::setScheduledBreakName(std::nullopt);
    BreakWindowManager::setScheduledBreakDurationSeconds(std::nullopt);
}

PlannedBreak PlannedBreakRig::add(const QString &name, QTime at, qint64 durationSeconds)
{
    const PlannedBreak planned = everyDay(name, at, durationSeconds);
    plannedBreaks.add(planned);
    return planned;
}

void PlannedBreakRig::startRuntime()
{
    if (!plannedBreaks.isStarted())
        plannedBreaks.start();
    plannedBreaks.evaluate();
}

// In the break screen's order: the timer hears the outcome first, then "breakDidHide" goes out.
void PlannedBreakRig::finishBreak()
{
    breakShowing = false;
    const qint64 length = shown.isEmpty() ? 0 : shown.constLast().durationSeconds;
    scheduler.handleBreakDismissal(BreakDismissalOutcome::completed(length, false, false));
    scheduler.stop();
    emit notifier.breakDidHide();
}

QStringList PlannedBreakRig::plannedEvents(const QString &event) const
{
    QStringList lines;
    for (const QString &line : plannedLines()) {
        if (line == event || line.startsWith(event + QLatin1String(" | ")))
            lines.append(line);
    }
    return lines;
}

QStringList PlannedBreakRig::plannedLines() const
{
    return log.messages(QStringLiteral("PlannedBreak"));
}

QStringList PlannedBreakRig::plannedWarnings() const
{
    QStringList lines;
    for (const LogRecord &record : log.records()) {
        if (record.category == QLatin1String("PlannedBreak") && record.level == LogLevel::Warn)
            lines.append(record.message);
    }
    return lines;
}

#include "settings_ui/panes/breaks/AddPlannedBreakSheet.h"

#include "scheduling/PlannedBreakScheduler.h"

AddPlannedBreakSheet::AddPlannedBreakSheet(const PlannedBreakSheetServices &services, QWidget *parent)
    : PlannedBreakSheet(services,
                        {QStringLiteral("New Scheduled Break"), 16, QStringLiteral("e.g. Lunch"),
                         QStringLiteral("Add Break")},
                        PlannedBreakDraft(), parent)
{
}

void AddPlannedBreakSheet::confirm(const QString &trimmedName)
{
    PlannedBreak planned;
    planned.id = QUuid::createUuid();
    planned.name = trimmedName;
    planned.emoji = draft().emoji;
    planned.hour = draft().hour;
    planned.minute = draft().minute;
    planned.durationSeconds = draft().duration;
    planned.days = draft().days;
    planned.enabled = true;
    scheduler().add(planned);
}

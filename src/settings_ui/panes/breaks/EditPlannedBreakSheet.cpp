#include "settings_ui/panes/breaks/EditPlannedBreakSheet.h"

#include "scheduling/PlannedBreakScheduler.h"

EditPlannedBreakSheet::EditPlannedBreakSheet(const PlannedBreakSheetServices &services,
                                             const PlannedBreak &planned, QWidget *parent)
    : PlannedBreakSheet(services,
                        {QStringLiteral("Edit Break"), 15, QStringLiteral("Name"), QStringLiteral("Save")},
                        draftOf(planned), parent)
    , m_planned(planned)
{
}

PlannedBreakDraft EditPlannedBreakSheet::draftOf(const PlannedBreak &planned)
{
    PlannedBreakDraft draft;
    draft.name = planned.name;
    draft.emoji = planned.emoji;
    draft.hour = planned.hour;
    draft.minute = planned.minute;
    draft.duration = planned.durationSeconds;
    // Seven flags, whatever the record held, so each day button has its own.
    draft.days = planned.days.mid(0, 7);
    while (draft.days.size() < 7)
        draft.days.append(false);
    return draft;
}

void EditPlannedBreakSheet::confirm(const QString &trimmedName)
{
    PlannedBreak edited = m_planned;
    edited.name = trimmedName;
    edited.emoji = draft().emoji;
    edited.hour = draft().hour;
    edited.minute = draft().minute;
    edited.durationSeconds = draft().duration;
    edited.days = draft().days;
    scheduler().update(edited);
}

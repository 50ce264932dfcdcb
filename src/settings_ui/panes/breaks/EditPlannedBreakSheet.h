#pragma once

#include "scheduling/PlannedBreak.h"
#include "settings_ui/panes/breaks/PlannedBreakSheet.h"

// "Edit Break": one planned break as it was when the sheet opened; confirming replaces it
// in the scheduler by its id, its on/off switch kept. A break deleted meanwhile is not
// brought back (the scheduler ignores the unknown id), and the sheet closes all the same.
class EditPlannedBreakSheet : public PlannedBreakSheet
{
    Q_OBJECT

public:
    EditPlannedBreakSheet(const PlannedBreakSheetServices &services, const PlannedBreak &planned,
                          QWidget *parent = nullptr);

    const PlannedBreak &planned() const { return m_planned; }

protected:
    void confirm(const QString &trimmedName) override;

private:
    static PlannedBreakDraft draftOf(const PlannedBreak &planned);

    const PlannedBreak m_planned;
};

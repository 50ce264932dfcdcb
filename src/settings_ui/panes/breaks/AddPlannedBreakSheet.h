#pragma once

#include "settings_ui/panes/breaks/PlannedBreakSheet.h"

// "New Scheduled Break": a new planned break from the defaults, switched on, added to the
// scheduler on confirm.
class AddPlannedBreakSheet : public PlannedBreakSheet
{
    Q_OBJECT

public:
    explicit AddPlannedBreakSheet(const PlannedBreakSheetServices &services, QWidget *parent = nullptr);

protected:
    void confirm(const QString &trimmedName) override;
};

#pragma once

#include "settings_ui/components/SettingCard.h"

class StatsFigures;
class TabularLabel;

// The completion summary: breaks completed, skipped and snoozed and the completion rate, in
// four equal columns, each value behind a dot of its colour and over its name.
class StatsSummaryCard : public SettingCard {
    Q_OBJECT

public:
    explicit StatsSummaryCard(QWidget *parent = nullptr);

    void setFigures(const StatsFigures &figures);

private:
    TabularLabel *m_completed;
    TabularLabel *m_skipped;
    TabularLabel *m_snoozed;
    TabularLabel *m_rate;
};

#pragma once

#include "settings_ui/components/SettingCard.h"

class QLabel;
class StatsBreakdownList;
class StatsFigures;

// How breaks started beside the break types, in two columns of the same height, with the
// time recorded while away under the types.
class StatsStartsCard : public SettingCard {
    Q_OBJECT

public:
    static constexpr int contentHeight = 190;

    explicit StatsStartsCard(const StatsFigures &figures, QWidget *parent = nullptr);

    void setFigures(const StatsFigures &figures);

private:
    QWidget *buildTypesColumn();

    StatsBreakdownList *m_starts;
    StatsBreakdownList *m_types;
    QLabel *m_awayLine;
};

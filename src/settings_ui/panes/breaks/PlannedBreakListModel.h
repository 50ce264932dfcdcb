#pragma once

#include "scheduling/PlannedBreak.h"

#include <QAbstractListModel>

class AppSettings;
class PlannedBreakScheduler;

// The planned breaks as list rows, in the scheduler's order, each keyed by its break's id.
// It follows the scheduler: a break removed or added removes or inserts its row alone, a
// changed break changes its row, so a row's hover and an open sheet stay with their break.
// Whether a row is outside the working hours is worked out when the rows change and again
// when the office-hours switch or week is assigned, never while painting.
class PlannedBreakListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        BreakRole = Qt::UserRole + 1, // the PlannedBreak
        OutsideWorkingHoursRole,      // bool
        SummaryRole,                  // "Weekdays · 5 min"
    };

    PlannedBreakListModel(PlannedBreakScheduler &scheduler, AppSettings &settings,
                          QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    const PlannedBreak &breakAt(int row) const { return m_rows.at(row).planned; }
    bool isOutsideWorkingHours(int row) const { return m_rows.at(row).outside; }
    // -1 when no row holds the id.
    int rowOf(const QUuid &id) const;

    // "daysSummary · N min", in whole minutes.
    static QString summary(const PlannedBreak &planned);

private:
    struct Row
    {
        PlannedBreak planned;
        bool outside = false;
    };

    void refresh();
    void removeGoneRows(const QList<PlannedBreak> &breaks);
    void insertNewRows(const QList<PlannedBreak> &breaks);
    void updateRows(const QList<PlannedBreak> &breaks);
    void reevaluateWarnings();
    // Reads the switch and the stored week once for a pass over the rows.
    void readWorkingWeek();
    bool outside(const PlannedBreak &planned) const;

    PlannedBreakScheduler &m_scheduler;
    AppSettings &m_settings;
    QList<Row> m_rows;
    bool m_officeHoursEnabled = false;
    QVariantList m_schedule;
};

#pragma once

#include "settings_ui/panes/statistics/StatRange.h"
#include "settings_ui/panes/statistics/StatsFigures.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

class LocalStatisticsStore;
class SegmentedControl;
class StatsActivityCard;
class StatsBreakdownList;
class StatsFooter;
class StatsRhythmCard;
class StatsStartsCard;
class StatsSummaryCard;
struct ContentServices;

// The Statistics pane: the last 7 or 30 days of the statistics store as figures and two
// charts, or a quiet empty state when the window holds nothing; the note that the data stays
// here, and the clearing of it all. Every figure is worked out afresh from the store when
// its days change (a break recorded while the pane is open shows at once) and when the range
// changes. The range starts at "7 days" each time the pane is made and is not stored. The
// pane owns no timer: it only answers the store and the user.
class StatsDetailView : public QWidget {
    Q_OBJECT

public:
    static constexpr int rangePickerWidth = 180;

    explicit StatsDetailView(LocalStatisticsStore &statistics, QWidget *parent = nullptr);

    // The pane of the window's Statistics section, on the services' statistics store.
    static QWidget *make(const ContentServices &services);

    StatRange selectedRange() const { return m_range; }
    void setSelectedRange(StatRange range);
    // The figures of the window shown now.
    StatsFigures figures() const;
    // Whether the cards show (else the empty state).
    bool showsFigures() const;
    // The clearing confirmation while it is open.
    QMessageBox *clearConfirmation() const { return m_confirmation; }

    SegmentedControl *rangePicker() const { return m_rangePicker; }
    StatsFooter *footer() const { return m_footer; }
    StatsActivityCard *activityCard() const { return m_activity; }
    StatsRhythmCard *rhythmCard() const { return m_rhythm; }

    // Empties the store and what it is stored in; says why in the footer when the stored
    // history could not be removed.
    void clearStatistics();

private:
    QWidget *buildHeader();
    QWidget *buildFigures(const StatsFigures &figures);
    QWidget *buildEmptyState();
    void refresh();
    void askToClear();

    LocalStatisticsStore &m_statistics;
    StatRange m_range = StatRange::week;
    SegmentedControl *m_rangePicker = nullptr;
    QWidget *m_figures = nullptr;
    QWidget *m_empty = nullptr;
    StatsActivityCard *m_activity = nullptr;
    StatsSummaryCard *m_summary = nullptr;
    StatsBreakdownList *m_outcomes = nullptr;
    StatsStartsCard *m_starts = nullptr;
    StatsRhythmCard *m_rhythm = nullptr;
    StatsFooter *m_footer = nullptr;
    QPointer<QMessageBox> m_confirmation;
};

#pragma once

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/panes/breaks/BreakEnforcement.h"
#include "settings_ui/panes/breaks/ScreenBreaksSubpage.h"
#include "settings_ui/window/ContentServices.h"

#include <QWidget>

#include <map>

class AppSettings;
class BreakLimitsCard;
class BreakRhythmCard;
class EnforcementCard;
class NavigationRowButton;
class QVBoxLayout;
struct PlannedBreak;

// The Breaks pane's main page: how often a break comes and how long it lasts, the rows that
// open the break-screen customizer and the three sub-pages, the enforcement mode and its
// daily limits. Every control writes the shared settings at once; an interval choice also
// restarts the countdown. The row texts follow their settings while the page is up.
//
// A stored enforcement text that is none of the three modes shows as Casual, the mode the
// rest of the application applies to it, and stays stored until a card is picked.
class ScreenBreaksMainView : public QWidget
{
    Q_OBJECT

public:
    ScreenBreaksMainView(const ContentServices &services, ScreenBreaksNavigation navigate,
                         QWidget *parent = nullptr);

    BreakEnforcement enforcement() const { return m_enforcement; }
    // The row that opens `subpage`; null for main.
    NavigationRowButton *row(ScreenBreaksSubpage subpage) const;
    // Selects the mode and writes it, with the limits it implies.
    void applyEnforcement(BreakEnforcement mode);
    // Shows the stored limits; under Balanced a limit of 0 (none) becomes 3 and is written.
    void syncLimits();

    // The mode a stored text shows as: the exact raw value's, Casual for anything else.
    static BreakEnforcement shownEnforcement(const QString &stored);
    static QString longBreaksDetail(bool enabled, qint64 frequency, qint64 durationSeconds);
    static QString workingHoursDetail(bool enabled);
    static QString scheduledBreaksDetail(const QList<PlannedBreak> &breaks);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildSchedule(QVBoxLayout *page);
    void buildNavigation(QVBoxLayout *page);
    void buildEnforcement(QVBoxLayout *page);
    void bindInterval(BreakRhythmCard *card);
    void bindDuration(BreakRhythmCard *card);
    NavigationRowButton *addNavigationRow(QVBoxLayout *card, const QString &name, const QString &symbol,
                                          NamedColor colour, const QString &title, const QString &detail);
    void followRowTexts();
    void showEnforcement();
    void setSkipsPerDay(qint64 limit);
    void setSnoozesPerDay(qint64 limit);
    static void openCustomizer();

    ContentServices m_services;
    AppSettings &m_settings;
    ScreenBreaksNavigation m_navigate;
    BreakEnforcement m_enforcement;
    qint64 m_skipsPerDay;
    qint64 m_snoozesPerDay;
    std::map<BreakEnforcement, EnforcementCard *> m_enforcementCards;
    BreakLimitsCard *m_limits = nullptr;
    NavigationRowButton *m_longBreaksRow = nullptr;
    NavigationRowButton *m_workingHoursRow = nullptr;
    NavigationRowButton *m_scheduledBreaksRow = nullptr;
};

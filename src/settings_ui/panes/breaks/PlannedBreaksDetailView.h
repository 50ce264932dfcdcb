#pragma once

#include "settings_ui/panes/breaks/PlannedBreakSheet.h"
#include "settings_ui/window/ContentServices.h"

#include <QPointer>
#include <QWidget>

class AppSettings;
class InfoTip;
class PlannedBreakListModel;
class PlannedBreakListView;
class PlannedBreakScheduler;
class PlannedBreakSheet;
class SettingCard;
struct PlannedBreak;

// The planned breaks, on the Breaks pane's "Scheduled Breaks" page: a line on what they are
// with the Add button, the list of breaks in the scheduler's order (or, with none, a card
// that says so), and while office hours are on a banner that breaks outside them are not
// shown. Adding and editing happen in a sheet over the window, which goes and comes back
// with the window; switching a break and deleting it go straight to the scheduler, and the
// list shows what the scheduler then holds.
class PlannedBreaksDetailView : public QWidget
{
    Q_OBJECT

public:
    explicit PlannedBreaksDetailView(const ContentServices &services, QWidget *parent = nullptr);

    PlannedBreakListView *list() const { return m_list; }
    // The sheet over the window now, or null.
    PlannedBreakSheet *sheet() const { return m_sheet; }

    void showAdd();
    void showEdit(const PlannedBreak &planned);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *buildHeader();
    SettingCard *buildEmptyState();
    void showSheet(PlannedBreakSheet *sheet);
    void showContent();

    PlannedBreakScheduler &m_scheduler;
    AppSettings &m_settings;
    ContentServices m_services;
    PlannedBreakListModel *m_model;
    PlannedBreakListView *m_list;
    SettingCard *m_listCard = nullptr;
    SettingCard *m_emptyState = nullptr;
    InfoTip *m_banner = nullptr;
    QPointer<PlannedBreakSheet> m_sheet;
};

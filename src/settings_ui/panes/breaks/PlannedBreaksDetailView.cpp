#include "settings_ui/panes/breaks/PlannedBreaksDetailView.h"

#include "core/AppSettings.h"
#include "scheduling/PlannedBreakScheduler.h"
#include "settings_ui/components/InfoTip.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/PaneParts.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/components/SymbolTile.h"
#include "settings_ui/panes/breaks/AddPlannedBreakSheet.h"
#include "settings_ui/panes/breaks/BreaksCapsuleButton.h"
#include "settings_ui/panes/breaks/EditPlannedBreakSheet.h"
#include "settings_ui/panes/breaks/PlannedBreakListModel.h"
#include "settings_ui/panes/breaks/PlannedBreakListView.h"

#include <QHBoxLayout>
#include <QHideEvent>
#include <QShowEvent>
#include <QVBoxLayout>

PlannedBreaksDetailView::PlannedBreaksDetailView(const ContentServices &services, QWidget *parent)
    : QWidget(parent)
    , m_scheduler(services.plannedBreaks.get())
    , m_settings(services.settings.get())
    , m_services(services)
    , m_model(new PlannedBreakListModel(m_scheduler, m_settings, this))
    , m_list(new PlannedBreakListView(m_model))
{
    setObjectName(QStringLiteral("plannedBreaksPane"));
    QVBoxLayout *column = PaneParts::column(this);
    column->addWidget(buildHeader());
    m_listCard = new SettingCard;
    m_listCard->addRow(m_list);
    column->addWidget(m_listCard);
    m_emptyState = buildEmptyState();
    column->addWidget(m_emptyState);
    m_banner = new InfoTip(QStringLiteral("clock.badge.exclamationmark"), QStringLiteral("Working hours apply"),
                           QStringLiteral("Scheduled breaks outside working hours are not shown."),
                           NamedColor::orange);
    m_banner->setObjectName(QStringLiteral("plannedBreaks.workingHours"));
    column->addWidget(m_banner);
    showContent();

    connect(&m_scheduler, &PlannedBreakScheduler::breaksChanged, this, &PlannedBreaksDetailView::showContent);
    connect(&m_settings, &AppSettings::officeHoursEnabledChanged, this, &PlannedBreaksDetailView::showContent);
    connect(m_list, &PlannedBreakListView::editRequested, this, &PlannedBreaksDetailView::showEdit);
    connect(m_list, &PlannedBreakListView::removeRequested, &m_scheduler, &PlannedBreakScheduler::remove);
    connect(m_list, &PlannedBreakListView::toggleRequested, this,
            [this](const PlannedBreak &planned, bool enabled) {
                // A copy with only the switch changed; a blank name makes the scheduler refuse it.
                PlannedBreak toggled = planned;
                toggled.enabled = enabled;
                m_scheduler.update(toggled);
            });
}

QWidget *PlannedBreaksDetailView::buildHeader()
{
    auto *header = new QWidget;
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    SchemeLabel *intro = PaneLabels::secondary(
        QStringLiteral("Schedule breaks at specific times — lunch, walks, end of day."), 11);
    intro->setWordWrap(true);
    row->addWidget(intro, 1);
    auto *add = new BreaksCapsuleButton(QStringLiteral("Add"), {BreaksCapsuleButton::Style::prominent, 11,
                                                                 QFont::Medium, 12, 6, QStringLiteral("plus")});
    add->setObjectName(QStringLiteral("plannedBreaks.add"));
    connect(add, &QAbstractButton::clicked, this, &PlannedBreaksDetailView::showAdd);
    row->addWidget(add, 0, Qt::AlignVCenter);
    return header;
}

SettingCard *PlannedBreaksDetailView::buildEmptyState()
{
    auto *card = new SettingCard;
    card->setObjectName(QStringLiteral("plannedBreaks.empty"));
    auto *content = new QWidget;
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(16, 24, 16, 24);
    column->setSpacing(12);
    column->addWidget(SymbolTile::mark(QStringLiteral("calendar.badge.clock"), 28, NamedColor::secondaryLabel,
                                           36, QFont::Light),
                      0, Qt::AlignHCenter);
    SchemeLabel *title = PaneLabels::secondary(QStringLiteral("No scheduled breaks yet"), 13, QFont::Medium);
    column->addWidget(title, 0, Qt::AlignHCenter);
    SchemeLabel *hint = PaneLabels::tertiary(
        QStringLiteral("Add a fixed-time break like \"Lunch at 12:30\" or \"Walk at 15:00\""), 11);
    hint->setAlignment(Qt::AlignHCenter);
    hint->setWordWrap(true);
    column->addWidget(hint);
    card->addRow(content);
    return card;
}

void PlannedBreaksDetailView::showContent()
{
    const bool empty = m_scheduler.breaks().isEmpty();
    m_listCard->setVisible(!empty);
    m_emptyState->setVisible(empty);
    m_banner->setVisible(m_settings.officeHoursEnabled());
}

void PlannedBreaksDetailView::showAdd()
{
    showSheet(new AddPlannedBreakSheet({m_scheduler, m_settings, m_services.theme}, this));
}

void PlannedBreaksDetailView::showEdit(const PlannedBreak &planned)
{
    showSheet(new EditPlannedBreakSheet({m_scheduler, m_settings, m_services.theme}, planned, this));
}

void PlannedBreaksDetailView::showSheet(PlannedBreakSheet *sheet)
{
    // One sheet at a time; the window takes no other input while it is up.
    if (m_sheet)
        m_sheet->reject();
    m_sheet = sheet;
    sheet->open();
}

void PlannedBreaksDetailView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_sheet && !event->spontaneous())
        m_sheet->show();
}

void PlannedBreaksDetailView::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // A window of its own, the sheet would otherwise stay up over a window that has gone
    // (a break starting, the window closed); its edits wait for the window's return.
    if (m_sheet && !event->spontaneous())
        m_sheet->hide();
}

#include "settings_ui/panes/breaks/OfficeHoursView.h"

#include "core/AppSettings.h"
#include "core/Logger.h"
#include "settings_ui/components/BreaksSettingRow.h"
#include "settings_ui/components/Debouncer.h"
#include "settings_ui/components/InfoTip.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/PaneParts.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SectionReveal.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/components/SettingsRowDivider.h"
#include "settings_ui/components/SymbolTile.h"
#include "settings_ui/components/ToggleSwitch.h"
#include "settings_ui/panes/breaks/OfficeHoursDayRow.h"

#include <QHideEvent>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QString onSubtitle = QStringLiteral("Breaks only during scheduled hours.");
const QString offSubtitle = QStringLiteral("Disabled — breaks will run anytime.");

} // namespace

OfficeHoursView::OfficeHoursView(const ContentServices &services, ScreenBreaksNavigation navigate,
                                 QWidget *parent)
    : QWidget(parent)
    , m_settings(services.settings.get())
    , m_workingHoursEnabled(m_settings.officeHoursEnabled())
    , m_days(DaySchedule::weekFrom(m_settings.loadOfficeHoursSchedule()))
    , m_pendingSave(std::make_unique<Debouncer>(services.clock.get(), saveDelaySeconds,
                                                [this] { save(); }))
{
    setObjectName(QStringLiteral("breaks.officeHoursPage"));
    QVBoxLayout *page = PaneParts::column(this);
    page->addWidget(PaneLabels::pageHeader(QStringLiteral("Working Hours"), [navigate] {
        navigate(ScreenBreaksSubpage::main);
    }));
    page->addWidget(buildSwitchCard());
    m_schedule = buildSchedule();
    page->addWidget(m_schedule);
    page->addStretch(1);
    m_schedule->setVisible(m_workingHoursEnabled);
}

OfficeHoursView::~OfficeHoursView()
{
    // Destroyed while on screen (the window itself going) is a departure too.
    if (m_onScreen || m_pendingSave->isPending())
        flushPendingSave();
}

QWidget *OfficeHoursView::buildSwitchCard()
{
    m_switch = new ToggleSwitch;
    m_switch->setObjectName(QStringLiteral("officeHoursEnabled"));
    m_switch->setAccessibleName(QStringLiteral("Working hours"));
    m_switch->setChecked(m_workingHoursEnabled);
    m_switchRow = new BreaksSettingRow(SymbolTile::tinted(QStringLiteral("clock.fill"), NamedColor::blue, 28, 14),
                                       QStringLiteral("Working hours"),
                                       m_workingHoursEnabled ? onSubtitle : offSubtitle, m_switch,
                                       QMargins(16, 12, 16, 12));
    connect(m_switch, &QAbstractButton::toggled, this, &OfficeHoursView::setWorkingHoursEnabled);
    auto *card = new SettingCard;
    card->addRow(m_switchRow);
    return card;
}

QWidget *OfficeHoursView::buildSchedule()
{
    auto *section = new QWidget;
    auto *stack = new QVBoxLayout(section);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(20);
    SchemeLabel *label = PaneLabels::section(QStringLiteral("Schedule"));
    label->setContentsMargins(0, 4, 0, 0);
    stack->addWidget(label);
    auto *card = new SettingCard;
    for (const DaySchedule &day : std::as_const(m_days)) {
        // Between rows only, never above Monday.
        if (day.id > 0)
            card->addRow(new SettingsRowDivider);
        auto *row = new OfficeHoursDayRow(day);
        connect(row, &OfficeHoursDayRow::dayEdited, this, &OfficeHoursView::setDay);
        card->addRow(row);
    }
    stack->addWidget(card);
    stack->addWidget(new InfoTip(QStringLiteral("lightbulb.fill"), QStringLiteral("Outside working hours"),
                                 QStringLiteral("Break reminders will be paused automatically outside your "
                                                "scheduled hours. The timer resumes when working hours begin."),
                                 NamedColor::blue));
    return section;
}

void OfficeHoursView::setWorkingHoursEnabled(bool enabled)
{
    if (enabled == m_workingHoursEnabled)
        return;
    SectionReveal::change(this, [this, enabled] {
        m_workingHoursEnabled = enabled;
        m_switchRow->subtitleLabel()->setText(enabled ? onSubtitle : offSubtitle);
        m_schedule->setVisible(enabled);
    });
    scheduleSave();
}

void OfficeHoursView::setDay(const DaySchedule &day)
{
    DaySchedule &stored = m_days[day.id];
    if (stored == day)
        return;
    stored = day;
    scheduleSave();
}

bool OfficeHoursView::hasPendingSave() const
{
    return m_pendingSave->isPending();
}

void OfficeHoursView::scheduleSave()
{
    m_pendingSave->call();
}

void OfficeHoursView::flushPendingSave()
{
    if (m_pendingSave->isPending())
        m_pendingSave->flush();
    else
        save();
}

void OfficeHoursView::save()
{
    // The switch first: a running office-hours check then sees the new switch with the week
    // stored before, and once more with the new week.
    m_settings.setOfficeHoursEnabled(m_workingHoursEnabled);
    m_settings.saveOfficeHoursSchedule(DaySchedule::toStored(m_days));
    logInfo(QStringLiteral("OfficeHours"),
            QStringLiteral("Schedule saved - enabled: %1, active days: %2")
                .arg(m_workingHoursEnabled ? QStringLiteral("true") : QStringLiteral("false"),
                     DaySchedule::activeDaysText(m_days)));
}

void OfficeHoursView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        m_onScreen = true;
}

void OfficeHoursView::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // A window minimised is not left; a page taken off, a section changed or a window
    // hidden or closed is.
    if (!event->spontaneous())
        leave();
}

void OfficeHoursView::leave()
{
    if (!m_onScreen)
        return;
    m_onScreen = false;
    flushPendingSave();
}

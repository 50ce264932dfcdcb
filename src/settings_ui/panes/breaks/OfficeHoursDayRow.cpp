#include "settings_ui/panes/breaks/OfficeHoursDayRow.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/ToggleSwitch.h"
#include "settings_ui/panes/breaks/WallClockTimeEdit.h"

#include <QHBoxLayout>

OfficeHoursDayRow::OfficeHoursDayRow(const DaySchedule &day, QWidget *parent)
    : QWidget(parent)
    , m_day(day)
    , m_switch(new ToggleSwitch(ToggleSwitch::Size::mini, NamedColors::color(NamedColor::blue, ColorScheme::light)))
    , m_name(PaneLabels::primary(day.name, 13))
    , m_times(new QWidget)
    , m_off(PaneLabels::tertiary(QStringLiteral("Off"), 11, QFont::Medium))
    , m_start(new WallClockTimeEdit(pickerWidth))
    , m_end(new WallClockTimeEdit(pickerWidth))
{
    const QString prefix = QStringLiteral("officeHoursSchedule.%1.").arg(day.id);
    m_switch->setObjectName(prefix + QStringLiteral("enabled"));
    m_switch->setAccessibleName(day.name);
    m_switch->setChecked(day.isEnabled);
    m_start->setObjectName(prefix + QStringLiteral("start"));
    m_start->setAccessibleName(day.name + QStringLiteral(" start"));
    m_start->setWallClock(day.startHour, day.startMinute);
    m_end->setObjectName(prefix + QStringLiteral("end"));
    m_end->setAccessibleName(day.name + QStringLiteral(" end"));
    m_end->setWallClock(day.endHour, day.endMinute);
    m_name->setFixedWidth(nameWidth);
    buildRow();
    showEnabled();
    connectEdits();
}

void OfficeHoursDayRow::buildRow()
{
    auto *times = new QHBoxLayout(m_times);
    times->setContentsMargins(0, 0, 0, 0);
    times->setSpacing(8);
    times->addWidget(m_start);
    times->addWidget(PaneLabels::tertiary(QStringLiteral("to"), 11));
    times->addWidget(m_end);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(16, 8, 16, 8);
    row->setSpacing(10);
    row->addWidget(m_switch);
    row->addWidget(m_name);
    row->addStretch(1);
    row->addWidget(m_times);
    row->addWidget(m_off);
    // A day that is off keeps the height of one with pickers, so the rows line up.
    setMinimumHeight(m_start->sizeHint().height() + row->contentsMargins().top()
                     + row->contentsMargins().bottom());
}

void OfficeHoursDayRow::connectEdits()
{
    connect(m_switch, &QAbstractButton::toggled, this, [this](bool checked) {
        m_day.isEnabled = checked;
        showEnabled();
        emit dayEdited(m_day);
    });
    // Both fields come from the picker the user touched, as it shows them.
    connect(m_start, &WallClockTimeEdit::wallClockEdited, this, [this](int hour, int minute) {
        m_day.startHour = hour;
        m_day.startMinute = minute;
        emit dayEdited(m_day);
    });
    connect(m_end, &WallClockTimeEdit::wallClockEdited, this, [this](int hour, int minute) {
        m_day.endHour = hour;
        m_day.endMinute = minute;
        emit dayEdited(m_day);
    });
}

void OfficeHoursDayRow::showEnabled()
{
    const bool enabled = m_day.isEnabled;
    m_name->setFont(SettingsFont::font(13, enabled ? QFont::Medium : QFont::Normal));
    // A day off is greyed, but still as strong as reading it needs.
    const NamedColor colour = enabled ? NamedColor::label : NamedColor::tertiaryLabel;
    m_name->setColours(NamedColors::textColor(colour, ColorScheme::light),
                       NamedColors::textColor(colour, ColorScheme::dark));
    m_times->setVisible(enabled);
    m_off->setVisible(!enabled);
}

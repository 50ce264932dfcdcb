#include "settings_ui/MeetingStatusCard.h"

#include "core/AppSettings.h"
#include "detection/WellnessScheduler.h"
#include "settings_ui/MeetingsTexts.h"
#include "settings_ui/PaneLabels.h"
#include "settings_ui/PaneRows.h"
#include "settings_ui/SchemeLabel.h"
#include "settings_ui/SymbolTile.h"

#include <QBoxLayout>

MeetingStatusCard::MeetingStatusCard(AppSettings &settings, WellnessScheduler &wellness, Clock &clock,
                                     QWidget *parent)
    : SettingCard(parent)
    , m_settings(settings)
    , m_wellness(wellness)
    , m_clock(clock)
{
    QBoxLayout *layout = nullptr;
    QWidget *row = PaneRows::row(QMargins(16, 12, 16, 12), 12, &layout);
    layout->addWidget(new SymbolTile(QStringLiteral("antenna.radiowaves.left.and.right"), 16, QFont::Normal,
                                     QSize(18, 18), NamedColor::blue),
                      0, Qt::AlignVCenter);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(PaneLabels::primary(QStringLiteral("Current status"), 13, QFont::DemiBold));
    m_status = PaneLabels::note(QString(), 11);
    m_status->setObjectName(QStringLiteral("meetingStatus"));
    texts->addWidget(m_status);
    layout->addLayout(texts, 1);
    addRow(row);
    showStatus();
    connect(&wellness, &WellnessScheduler::meetingContextChanged, this, &MeetingStatusCard::showStatus);
    // The office-hours answer changes with the time of day, which the settings model notices
    // whenever anyone asks it, and with the week or the switch.
    connect(&settings, &AppSettings::lastOfficeHoursStateChanged, this, &MeetingStatusCard::showStatus);
    connect(&settings, &AppSettings::officeHoursSettingsAssigned, this, &MeetingStatusCard::showStatus);
}

QString MeetingStatusCard::statusText() const
{
    return m_status->text();
}

void MeetingStatusCard::showStatus()
{
    const bool inside = m_settings.isWithinOfficeHours(m_clock);
    m_status->setText(MeetingsTexts::statusText(inside, m_wellness.meetingContextSnapshot()));
}

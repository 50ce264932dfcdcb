#include "settings_ui/panes/calls_media/MeetingStatusCard.h"

#include "core/AppSettings.h"
#include "detection/WellnessScheduler.h"
#include "settings_ui/components/SymbolTile.h"
#include "settings_ui/panes/calls_media/MeetingsTexts.h"

MeetingStatusCard::MeetingStatusCard(AppSettings &settings, WellnessScheduler &wellness, Clock &clock,
                                     QWidget *parent)
    : DetectionStatusCard(settings, wellness, clock, parent)
{
    build({new SymbolTile(QStringLiteral("antenna.radiowaves.left.and.right"), 16, QFont::Normal, QSize(18, 18),
                          NamedColor::blue)},
          Qt::AlignVCenter, 2, QStringLiteral("meetingStatus"), &WellnessScheduler::meetingContextChanged);
}

void MeetingStatusCard::showStatus()
{
    const bool inside = m_settings.isWithinOfficeHours(m_clock);
    setStatusText(MeetingsTexts::statusText(inside, m_wellness.meetingContextSnapshot()));
}

QString MeetingStatusCard::unavailableText() const
{
    return QStringLiteral("No sound server is reachable, so calls and recordings can't be detected.");
}

#include "settings_ui/panes/calls_media/MeetingsDetailView.h"

#include "core/AppSettings.h"
#include "detection/WellnessScheduler.h"
#include "settings_ui/components/InfoTip.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SymbolTile.h"
#include "settings_ui/panes/calls_media/MeetingAfterCard.h"
#include "settings_ui/panes/calls_media/MeetingPrivacyCard.h"
#include "settings_ui/panes/calls_media/MeetingStatusCard.h"

#include <QBoxLayout>

namespace {

const QColor detectionTile = QColor::fromRgbF(0.32f, 0.76f, 0.52f);

const DetectionDetailView::PauseRow pauseRows[] = {
    {"meetingPauseBreaks", "pause.circle", "Pause break reminders", "Stop break timer and reminders.",
     &AppSettings::meetingPauseBreaks, &AppSettings::setMeetingPauseBreaks, &AppSettings::meetingPauseBreaksChanged},
    {"meetingPauseNotifications", "bell.slash", "Pause notifications", "Silence break notifications.",
     &AppSettings::meetingPauseNotifications, &AppSettings::setMeetingPauseNotifications,
     &AppSettings::meetingPauseNotificationsChanged},
    {"meetingHideMenuBar", "eye.slash", "Hide call status from the tray", "Use neutral text and icon during calls.",
     &AppSettings::meetingHideMenuBar, &AppSettings::setMeetingHideMenuBar, &AppSettings::meetingHideMenuBarChanged},
};

} // namespace

QWidget *MeetingsDetailView::make(const ContentServices &services)
{
    return new MeetingsDetailView(services);
}

MeetingsDetailView::MeetingsDetailView(const ContentServices &services, QWidget *parent)
    : DetectionDetailView(services, parent)
{
    setObjectName(QStringLiteral("pane:Meetings"));
    auto *tile = new SymbolTile(QStringLiteral("video.fill"), 16, QFont::Medium, QSize(32, 32), detectionTile, 8);
    const Detection detection{QStringLiteral("pauseDuringMeetings"), QStringLiteral("Call and recording detection"),
                              QStringLiteral("Detect supported calls and microphone recordings on this computer."),
                              &WellnessScheduler::pauseDuringMeetings, &WellnessScheduler::setPauseDuringMeetings,
                              &WellnessScheduler::pauseDuringMeetingsChanged};
    build(QStringLiteral("Calls & Recordings"),
          QStringLiteral("Automatically pause breaks during supported calls and microphone recordings."), tile,
          detection, new MeetingPrivacyCard);
}

QWidget *MeetingsDetailView::buildSections()
{
    auto *sections = new QWidget;
    sections->setObjectName(QStringLiteral("meetingDetectionSections"));
    QVBoxLayout *stack = sectionColumn(sections);
    stack->addWidget(captioned(PaneLabels::section(QStringLiteral("During a call or recording")),
                               buildPauseCard(pauseRows)));
    auto *after = new QWidget;
    auto *afterTexts = new QVBoxLayout(after);
    afterTexts->setContentsMargins(0, 0, 0, 0);
    afterTexts->setSpacing(4);
    afterTexts->addWidget(PaneLabels::section(QStringLiteral("After a meeting")));
    afterTexts->addWidget(PaneLabels::note(QStringLiteral("Choose how Lumenpause should handle your break timer."), 11));
    stack->addWidget(captioned(after, new MeetingAfterCard(m_settings)));
    stack->addWidget(new MeetingStatusCard(m_settings, m_wellness, m_clock));
    stack->addWidget(new InfoTip(QStringLiteral("checkmark.circle.fill"), QStringLiteral("Supported apps"),
                                 QStringLiteral("Zoom, Teams, Slack, Discord, Webex, and supported browser calls."),
                                 NamedColor::blue));
    return sections;
}

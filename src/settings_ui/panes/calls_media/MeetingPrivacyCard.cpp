#include "settings_ui/panes/calls_media/MeetingPrivacyCard.h"

MeetingPrivacyCard::MeetingPrivacyCard(QWidget *parent)
    : InfoTip(QStringLiteral("shield.fill"), QStringLiteral("Privacy first"),
                 QStringLiteral("Detection uses local app and audio activity. It does not inspect browser tabs, "
                                "windows, or their contents."),
                 NamedColor::green, note(0.04, 14, 4), parent)
{
    setObjectName(QStringLiteral("meetingPrivacy"));
}

#pragma once

#include "settings_ui/components/InfoTip.h"

// The note at the foot of the Calls & Recordings pane on what detection looks at, in green on
// a faint green wash with a thin green border, the same in both schemes.
class MeetingPrivacyCard : public InfoTip
{
    Q_OBJECT

public:
    explicit MeetingPrivacyCard(QWidget *parent = nullptr);
};

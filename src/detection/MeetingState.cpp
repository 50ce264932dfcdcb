#include "detection/MeetingState.h"

QString meetingStateRawValue(MeetingState state)
{
    switch (state) {
    case MeetingState::inactive:
        return QStringLiteral("inactive");
    case MeetingState::probable:
        return QStringLiteral("probable");
    case MeetingState::active:
        return QStringLiteral("active");
    case MeetingState::ending:
        return QStringLiteral("ending");
    }
    return {};
}

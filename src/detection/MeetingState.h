#pragma once

#include <QString>

// Where the meeting state machine stands: `probable` while a detection that may start a
// meeting is being confirmed, `active` during a meeting, `ending` in the grace period after
// its evidence went away. The raw value of each case is its name.
enum class MeetingState { inactive, probable, active, ending };

QString meetingStateRawValue(MeetingState state);

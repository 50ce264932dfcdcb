#pragma once

#include <QString>

// The badge a floating notice wears.
enum class HUDStyle { posture, typing, blink, hydration, walk, meeting, media, away, breakReminder };

QString hudStyleName(HUDStyle style);

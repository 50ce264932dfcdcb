#pragma once

#include "settings_ui/components/NamedColors.h"

#include <QString>

#include <array>
#include <optional>

// What a due break does while the user is still working. Its raw value is both what
// AppSettings stores under "reminderSensitivity" and the title the window shows, and the
// break timer compares the stored text with these exact strings, so they are a stored format.
enum class ReminderSensitivity { gentle, normal, persistent };

// "Gentle", "Normal", "Persistent".
QString reminderSensitivityRawValue(ReminderSensitivity sensitivity);
// Exactly one of the three raw values, case-sensitively; anything else gives no value.
std::optional<ReminderSensitivity> reminderSensitivityFromRawValue(const QString &raw);
// The stored text as the break timer acts on it: any text but "Normal" or "Persistent"
// waits for keyboard and pointer alike, which is Gentle.
ReminderSensitivity reminderSensitivityFromStored(const QString &stored);
// Gentle, Normal, Persistent: the order the choices are offered in.
const std::array<ReminderSensitivity, 3> &allReminderSensitivities();
QString reminderSensitivitySymbol(ReminderSensitivity sensitivity);
NamedColor reminderSensitivityColour(ReminderSensitivity sensitivity);
// The line under the title on the choice's card.
QString reminderSensitivitySubtitle(ReminderSensitivity sensitivity);
// What the chosen sensitivity does, under the cards.
QString reminderSensitivityExplanation(ReminderSensitivity sensitivity);

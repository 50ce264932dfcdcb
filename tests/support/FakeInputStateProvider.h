#pragma once

#include "core/InputStateProvider.h"

// Input idle times the test sets; both start at zero (the user is active). A test may also
// take the reading away, as a desktop without an idle source does.
class FakeInputStateProvider : public InputStateProvider
{
public:
    double secondsSinceKeyboardActivity() const override { return m_keyboard; }
    double secondsSincePointerActivity() const override;
    bool hasReading() const override { return m_hasReading; }
    bool separatesKeyboardFromPointer() const override { return m_separatesKeyboard; }

    void setSecondsSinceKeyboardActivity(double seconds) { m_keyboard = seconds; }
    void setSecondsSincePointerActivity(double seconds) { m_pointer = seconds; }
    // Both readings at once: a user idle for that long.
    void setIdleSeconds(double seconds);
    void setHasReading(bool hasReading) { m_hasReading = hasReading; }
    // As a source with one idle time for every kind of input.
    void setSeparatesKeyboardFromPointer(bool separates) { m_separatesKeyboard = separates; }
    // How often the pointer was read: on a desktop each reading may cost a round trip.
    int pointerReadings() const { return m_pointerReadings; }

private:
    bool m_hasReading = true;
    double m_keyboard = 0.0;
    double m_pointer = 0.0;
    mutable int m_pointerReadings = 0;
    bool m_separatesKeyboard = true;
};

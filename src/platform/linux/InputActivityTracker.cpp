#include "platform/linux/InputActivityTracker.h"

#include <algorithm>

namespace {

// Two counter readings whose last input lies this close together saw the same input: the
// server's coarse clock, whole milliseconds and the reply's travel make them differ a little.
constexpr double kSameInputSeconds = 0.05;
// An event is stamped when it is read, never before it happened, so its stamp may precede
// the counter's moment only by that same small error...
constexpr double kEventEarlySeconds = 0.05;
// ...but may follow it by as long as the main thread was busy before reading it.
constexpr double kEventLateSeconds = 0.25;
// Typing with no one asking for a reading must not grow the list without bound.
constexpr std::size_t kMaxRecentEvents = 64;

} // namespace

void InputActivityTracker::start(Moment now, double idleCounterSeconds)
{
    m_keyboardAt = now.sinceBoot - idleCounterSeconds;
    m_pointerAt = m_keyboardAt;
    m_lastInput = now.monotonic - idleCounterSeconds;
    m_recentEvents.clear();
    m_repeatingKeysHeld.clear();
}

void InputActivityTracker::keyPressed(Moment at, unsigned keycode, bool autoRepeats)
{
    m_keyboardAt = std::max(m_keyboardAt, at.sinceBoot);
    remember(at.monotonic);
    if (autoRepeats && std::find(m_repeatingKeysHeld.begin(), m_repeatingKeysHeld.end(), keycode)
                           == m_repeatingKeysHeld.end())
        m_repeatingKeysHeld.push_back(keycode);
}

void InputActivityTracker::keyReleased(Moment at, unsigned keycode)
{
    remember(at.monotonic);
    std::erase(m_repeatingKeysHeld, keycode);
}

void InputActivityTracker::buttonPressed(Moment at)
{
    m_pointerAt = std::max(m_pointerAt, at.sinceBoot);
    remember(at.monotonic);
}

void InputActivityTracker::buttonReleased(Moment at)
{
    remember(at.monotonic);
}

void InputActivityTracker::idleCounterRead(Moment now, double idleCounterSeconds)
{
    const double lastInput = now.monotonic - idleCounterSeconds;
    if (lastInput <= m_lastInput + kSameInputSeconds) {
        // No input since the previous reading. After a suspend the counter simply carries on
        // where it stood, just as monotonic time does, so old input is not taken for new.
        m_lastInput = std::max(m_lastInput, lastInput);
        return;
    }
    m_lastInput = lastInput;
    // Only the newest input is visible: pointer motion followed by a key press within one
    // reading's interval shows as the key alone, and the pointer reading stays older.
    if (!isExplained(lastInput)) {
        // While a repeating key is held, its repeats and any pointer motion look the same;
        // they are taken for the key, which keeps the user active either way.
        double &activityAt = m_repeatingKeysHeld.empty() ? m_pointerAt : m_keyboardAt;
        activityAt = std::max(activityAt, now.sinceBoot - idleCounterSeconds);
    }
    forgetEventsBefore(lastInput - kEventEarlySeconds);
}

double InputActivityTracker::secondsSinceKeyboardActivity(double sinceBootNow) const
{
    return std::max(0.0, sinceBootNow - m_keyboardAt);
}

double InputActivityTracker::secondsSincePointerActivity(double sinceBootNow) const
{
    return std::max(0.0, sinceBootNow - m_pointerAt);
}

void InputActivityTracker::remember(double monotonic)
{
    m_recentEvents.push_back(monotonic);
    if (m_recentEvents.size() > kMaxRecentEvents)
        m_recentEvents.pop_front();
}

bool InputActivityTracker::isExplained(double inputMonotonic) const
{
    return std::any_of(m_recentEvents.begin(), m_recentEvents.end(), [&](double event) {
        return event >= inputMonotonic - kEventEarlySeconds
               && event <= inputMonotonic + kEventLateSeconds;
    });
}

void InputActivityTracker::forgetEventsBefore(double monotonic)
{
    while (!m_recentEvents.empty() && m_recentEvents.front() < monotonic)
        m_recentEvents.pop_front();
}

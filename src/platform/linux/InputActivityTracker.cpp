#include "platform/linux/InputActivityTracker.h"

#include <algorithm>

namespace {

// Two alarms whose last input lies this close together saw the same input: the counter
// counts whole milliseconds, and the alarm's time is taken a moment after the counter.
constexpr double kSameInputSeconds = 0.05;
// How far apart an event's time and the input the counter shows may lie, for the same
// reasons, and still be one input.
constexpr double kEventSlackSeconds = 0.05;
// Typing with no alarm to match it against must not grow the list without bound.
constexpr std::size_t kMaxRecentEvents = 64;

} // namespace

void InputActivityTracker::start(Moment now, double idleCounterSeconds)
{
    m_keyboardAt = now.sinceBoot - idleCounterSeconds;
    m_pointerAt = m_keyboardAt;
    m_lastInput = now.monotonic - idleCounterSeconds;
    m_inputFlowing = idleCounterSeconds < quietSeconds;
    m_lastEvent = -std::numeric_limits<double>::infinity();
    m_recentEvents.clear();
    m_repeatingKeysHeld.clear();
}

void InputActivityTracker::keyPressed(Moment at, unsigned keycode, bool autoRepeats)
{
    m_keyboardAt = std::max(m_keyboardAt, at.sinceBoot);
    remember(at);
    if (autoRepeats && std::find(m_repeatingKeysHeld.begin(), m_repeatingKeysHeld.end(), keycode)
                           == m_repeatingKeysHeld.end())
        m_repeatingKeysHeld.push_back(keycode);
}

// A key that repeats is typing for as long as it is held, so its release ends that typing.
void InputActivityTracker::keyReleased(Moment at, unsigned keycode)
{
    remember(at);
    const auto held = std::find(m_repeatingKeysHeld.begin(), m_repeatingKeysHeld.end(), keycode);
    if (held == m_repeatingKeysHeld.end())
        return;
    m_repeatingKeysHeld.erase(held);
    m_keyboardAt = std::max(m_keyboardAt, at.sinceBoot);
}

void InputActivityTracker::buttonPressed(Moment at)
{
    m_pointerAt = std::max(m_pointerAt, at.sinceBoot);
    remember(at);
}

void InputActivityTracker::buttonReleased(Moment at)
{
    remember(at);
}

void InputActivityTracker::quietReached(Moment at, double idleCounterSeconds)
{
    counterRead(at, idleCounterSeconds);
    m_inputFlowing = false;
}

void InputActivityTracker::inputResumed(Moment at, double idleCounterSeconds)
{
    counterRead(at, idleCounterSeconds);
    m_inputFlowing = true;
}

void InputActivityTracker::counterRead(Moment at, double idleCounterSeconds)
{
    const double lastInput = at.monotonic - idleCounterSeconds;
    if (lastInput <= m_lastInput + kSameInputSeconds) {
        // No input since the previous alarm. After a suspend the counter simply carries on
        // where it stood, just as monotonic time does, so old input is not taken for new.
        m_lastInput = std::max(m_lastInput, lastInput);
        return;
    }
    m_lastInput = lastInput;
    // Only the newest input is visible: pointer motion followed by a key press before the
    // counter reaches a quiet second shows as the key alone.
    if (!isExplained(lastInput)) {
        // While a repeating key is held, its repeats and any pointer motion look the same;
        // they are taken for the key, which keeps the user active either way.
        double &activityAt = isRepeatingKeyHeld() ? m_keyboardAt : m_pointerAt;
        activityAt = std::max(activityAt, at.sinceBoot - idleCounterSeconds);
    }
    forgetEventsBefore(lastInput - kEventSlackSeconds);
}

double InputActivityTracker::secondsSinceKeyboardActivity(Moment now) const
{
    if (m_inputFlowing && isRepeatingKeyHeld())
        return 0.0;
    return std::max(0.0, now.sinceBoot - m_keyboardAt);
}

// While input flows, the counter has seen input within the last quiet second. Once the
// latest key or button event is older than that, the input was something no event
// explains: the pointer, this very second.
double InputActivityTracker::secondsSincePointerActivity(Moment now) const
{
    if (m_inputFlowing && !isRepeatingKeyHeld() && now.monotonic - m_lastEvent > quietSeconds)
        return 0.0;
    return std::max(0.0, now.sinceBoot - m_pointerAt);
}

void InputActivityTracker::remember(Moment at)
{
    m_lastEvent = std::max(m_lastEvent, at.monotonic);
    m_recentEvents.push_back(at.monotonic);
    if (m_recentEvents.size() > kMaxRecentEvents)
        m_recentEvents.pop_front();
}

bool InputActivityTracker::isExplained(double inputMonotonic) const
{
    return std::any_of(m_recentEvents.begin(), m_recentEvents.end(), [&](double event) {
        return event >= inputMonotonic - kEventSlackSeconds
               && event <= inputMonotonic + kEventSlackSeconds;
    });
}

void InputActivityTracker::forgetEventsBefore(double monotonic)
{
    while (!m_recentEvents.empty() && m_recentEvents.front() < monotonic)
        m_recentEvents.pop_front();
}

#pragma once

#include <deque>
#include <limits>
#include <vector>

// When the user last pressed a key and last used the pointer, from two things an X server
// tells: raw key and button events, which come for presses and releases but (as selected)
// never for motion, and two alarms on the server's idle counter, which every input resets,
// releases and motion included: one when the counter reaches a quiet second, one when input
// comes again after it. Input an alarm shows that no recorded event explains was pointer
// motion or scrolling, unless a key that autorepeats is held down: the server's repeats
// reset the counter without any raw event, and count as typing. Between the two alarms the
// user is known to be at work this second, not at which instant: unexplained input then
// reads as "now", and the quiet alarm later gives its exact time. The rule is kept apart
// from X so that it can be tested on scripted events.
//
// Two clocks: the counter runs on the server's monotonic clock, which stands still during
// suspend, so it is only ever compared with monotonic time; the readings are kept on the
// clock since boot, which runs on through suspend, so a night asleep counts as idle time.
class InputActivityTracker
{
public:
    // One instant on both clocks, in seconds.
    struct Moment
    {
        double monotonic = 0.0;
        double sinceBoot = 0.0;
    };

    // The server's quiet alarm is set at this many seconds without input.
    static constexpr double quietSeconds = 1.0;

    // Whatever input the counter last saw is taken for both readings.
    void start(Moment now, double idleCounterSeconds);

    // autoRepeats: the key repeats while held (letters and arrows do, modifiers do not).
    void keyPressed(Moment at, unsigned keycode, bool autoRepeats);
    void keyReleased(Moment at, unsigned keycode);
    void buttonPressed(Moment at);
    void buttonReleased(Moment at);
    // The alarms, each with the counter's value when it went off. Record every event the
    // server delivered before an alarm first: an event recorded after it cannot explain
    // the input the counter shows.
    void quietReached(Moment at, double idleCounterSeconds);
    void inputResumed(Moment at, double idleCounterSeconds);

    double secondsSinceKeyboardActivity(Moment now) const;
    double secondsSincePointerActivity(Moment now) const;

private:
    void counterRead(Moment at, double idleCounterSeconds);
    bool isRepeatingKeyHeld() const { return !m_repeatingKeysHeld.empty(); }
    void remember(Moment at);
    bool isExplained(double inputMonotonic) const;
    void forgetEventsBefore(double monotonic);

    double m_keyboardAt = 0.0; // since boot
    double m_pointerAt = 0.0;  // since boot
    double m_lastInput = 0.0;  // monotonic: the latest input an alarm has shown
    // Between an input alarm and the next quiet one.
    bool m_inputFlowing = false;
    // Monotonic: the latest key or button event, press or release.
    double m_lastEvent = -std::numeric_limits<double>::infinity();
    // Monotonic times of key and button events not yet matched against the counter.
    std::deque<double> m_recentEvents;
    std::vector<unsigned> m_repeatingKeysHeld;
};

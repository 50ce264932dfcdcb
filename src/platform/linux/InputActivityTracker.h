#pragma once

#include <deque>
#include <vector>

// When the user last pressed a key and last used the pointer, from two things an X server
// tells: raw key and button events, which come for presses and releases but (as selected)
// never for motion, and the server's idle counter, which every input resets, releases and
// motion included. Input the counter shows that no recorded event explains was pointer
// motion or scrolling, unless a key that autorepeats is held down: the server's repeats
// reset the counter without any raw event, and count as typing. The rule is kept apart from
// X so that it can be tested on scripted readings.
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

    // Whatever input the counter last saw is taken for both readings.
    void start(Moment now, double idleCounterSeconds);

    // autoRepeats: the key repeats while held (letters and arrows do, modifiers do not).
    void keyPressed(Moment at, unsigned keycode, bool autoRepeats);
    void keyReleased(Moment at, unsigned keycode);
    void buttonPressed(Moment at);
    void buttonReleased(Moment at);
    // Record every event the server delivered up to the counter's reading first: an event
    // recorded after it cannot explain the input the counter shows.
    void idleCounterRead(Moment now, double idleCounterSeconds);

    // Then only the idle counter shows the keyboard's activity.
    bool isRepeatingKeyHeld() const { return !m_repeatingKeysHeld.empty(); }

    double secondsSinceKeyboardActivity(double sinceBootNow) const;
    double secondsSincePointerActivity(double sinceBootNow) const;

private:
    void remember(double monotonic);
    bool isExplained(double inputMonotonic) const;
    void forgetEventsBefore(double monotonic);

    double m_keyboardAt = 0.0; // since boot
    double m_pointerAt = 0.0;  // since boot
    double m_lastInput = 0.0;  // monotonic: the latest input the counter has shown
    // Monotonic arrival times of key and button events not yet matched against the counter.
    std::deque<double> m_recentEvents;
    std::vector<unsigned> m_repeatingKeysHeld;
};

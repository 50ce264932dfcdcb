#pragma once

// Whether the main display is awake: powered on and not blanked by the screensaver.
class DisplayStateProvider
{
public:
    virtual ~DisplayStateProvider() = default;
    // True when the state cannot be read: a display of unknown state never holds breaks back.
    virtual bool isMainDisplayActive() const = 0;
};

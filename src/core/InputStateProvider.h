#pragma once

// Seconds since the user last pressed a key, and since the last pointer event (motion,
// button press, scroll; releases do not count). The user's idle time is the smaller of the
// two. Readings are taken fresh on every call, on the main thread.
class InputStateProvider
{
public:
    virtual ~InputStateProvider() = default;
    virtual double secondsSinceKeyboardActivity() const = 0;
    virtual double secondsSincePointerActivity() const = 0;
    // Whether the keyboard reading counts keys alone. Some sources have one idle time for
    // every kind of input and give it as both readings; with none, both are zero.
    virtual bool separatesKeyboardFromPointer() const { return true; }
};

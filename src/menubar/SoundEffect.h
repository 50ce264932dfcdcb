#pragma once

// One loaded sound that can be played again and again.
class SoundEffect
{
public:
    virtual ~SoundEffect() = default;

    // Starts the sound from its beginning at a linear volume in 0...1, cutting short a
    // playback still running. Returns at once: nothing may wait for the sound to end, which
    // without an audio server it never does.
    virtual void play(double volume) = 0;
    // True once the file proved unreadable; such a sound never plays.
    virtual bool hasFailed() const = 0;
};

#pragma once

#include <QString>

#include <functional>
#include <memory>

class SoundEffect;

// Where sounds are heard: it loads sound files and knows whether there is anything to
// play them on.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;

    // False when the machine has no audio output, or no sound server to reach it.
    virtual bool hasDevice() const = 0;
    // Starts loading the file at `path` (a resource path or a file). Decoding may finish
    // later: when the file turns out unreadable, `onFailure` runs once, possibly before
    // load returns. The callback must not destroy the effect.
    virtual std::unique_ptr<SoundEffect> load(const QString &path,
                                              std::function<void()> onFailure) = 0;
};

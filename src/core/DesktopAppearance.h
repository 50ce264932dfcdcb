#pragma once

#include <QObject>

#include <optional>

// What the desktop says about its look: light or dark, which the "System" theme follows, and
// whether it animates, which the settings window's motion follows. Implementations answer
// from what they already know, without blocking, as windows ask while they draw.
class DesktopAppearance : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // True when the desktop prefers dark, false when it prefers light, no value when it
    // states no preference (or cannot be asked).
    virtual std::optional<bool> prefersDark() const = 0;
    // False when the user turned the desktop's animations off (the wish for reduced
    // motion); true when they are on or the desktop does not say.
    virtual bool animationsEnabled() const { return true; }

signals:
    // Emitted when prefersDark() gives a different answer.
    void prefersDarkChanged();
    // Emitted when animationsEnabled() gives a different answer.
    void animationsEnabledChanged();
};

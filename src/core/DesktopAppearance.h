#pragma once

#include <QObject>

#include <optional>

// What the desktop says about light and dark: the "System" theme follows it. Implementations
// answer from what they already know, without blocking, as windows ask while they draw.
class DesktopAppearance : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // True when the desktop prefers dark, false when it prefers light, no value when it
    // states no preference (or cannot be asked).
    virtual std::optional<bool> prefersDark() const = 0;

signals:
    // Emitted when prefersDark() gives a different answer.
    void prefersDarkChanged();
};

#pragma once

#include <QObject>

class DesktopAppearance;

// Follows the desktop's switch for animations: while the user has them off, every animation
// of the settings window and the first-run flow lands at its end at once (Motion's switch).
// A desktop that does not say leaves animations on.
class ReducedMotion : public QObject
{
    Q_OBJECT

public:
    // The desktop must outlive this object, which is best made its child.
    explicit ReducedMotion(const DesktopAppearance &desktop, QObject *parent = nullptr);

private:
    void apply();

    const DesktopAppearance &m_desktop;
};

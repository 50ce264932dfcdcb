#pragma once

#include <QAbstractAnimation>

class QSequentialAnimationGroup;

// The one switch over the motion of the settings window and the first-run flow. Every one
// of their animations is started through start(); while the switch is on (tests, and
// desktops that ask for reduced motion) each jumps to its end as it starts, so values land
// at once and `finished` still fires. Main thread only.
class Motion
{
public:
    static void setJumpToEnd(bool jump);
    static bool jumpsToEnd();

    // Starts the animation, or with the switch on runs it straight to its end.
    static void start(QAbstractAnimation *animation,
                      QAbstractAnimation::DeletionPolicy policy = QAbstractAnimation::KeepWhenStopped);
    // The animation after a pause of `delaySeconds`, as one group owned by `parent`; the
    // animation becomes the group's.
    static QSequentialAnimationGroup *afterDelay(double delaySeconds, QAbstractAnimation *animation,
                                                 QObject *parent);
};

#include "settings_ui/components/Motion.h"

#include <QSequentialAnimationGroup>

#include <cmath>

namespace {

bool s_jumpToEnd = false;

} // namespace

void Motion::setJumpToEnd(bool jump)
{
    s_jumpToEnd = jump;
}

bool Motion::jumpsToEnd()
{
    return s_jumpToEnd;
}

void Motion::start(QAbstractAnimation *animation, QAbstractAnimation::DeletionPolicy policy)
{
    animation->start(policy);
    // An endless loop has no end to jump to; it runs as it would.
    const int total = animation->totalDuration();
    if (s_jumpToEnd && total >= 0 && animation->state() == QAbstractAnimation::Running)
        animation->setCurrentTime(total);
}

QSequentialAnimationGroup *Motion::afterDelay(double delaySeconds, QAbstractAnimation *animation,
                                              QObject *parent)
{
    auto *group = new QSequentialAnimationGroup(parent);
    group->addPause(int(std::lround(delaySeconds * 1000)));
    group->addAnimation(animation);
    return group;
}

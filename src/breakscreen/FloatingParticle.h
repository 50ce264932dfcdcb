#pragma once

#include <QString>
#include <QUuid>

// One leaf of the break screen's drifting layer. Positions are fractions of the layer
// (0 at the left and top edges), rotation is in degrees clockwise, times in seconds.
struct FloatingParticle
{
    QUuid id;
    double x = 0;
    double y = 0;
    double size = 0;
    double opacity = 0;
    double rotation = 0;
    QString icon;
    double duration = 0;
    double delay = 0;
    // The other end of the leaf's drift: it glides here and back again, without end.
    double targetX = 0;
    double targetY = 0;
    double targetRotation = 0;

    struct Placement
    {
        double x;
        double y;
        double rotation;
    };

    // Where the leaf stands `elapsedSeconds` after its layer first showed: still for
    // `delay`, then easing in and out between its start and its target, one leg of
    // `duration` each way.
    Placement placementAt(double elapsedSeconds) const;
};

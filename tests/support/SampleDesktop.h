#pragma once

#include <QImage>
#include <QSize>

// A plausible desktop to show behind the break screen's translucent backdrops, since a
// virtual X server's screen is plain black: a warm wallpaper, two application windows and a
// panel, at the given device pixel ratio.
QImage sampleDesktop(const QSize &logicalSize, qreal scale = 1.0);

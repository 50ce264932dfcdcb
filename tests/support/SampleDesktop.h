#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

// Plausible desktops to show behind the break screen's translucent backdrops, since a
// virtual X server's screen is plain black: a warm wallpaper with a light and a dark window
// and a panel; a night one for a dark desktop; and the two extremes, plain white and black.
enum class SampleDesktop { light, dark, white, black };

QList<SampleDesktop> allSampleDesktops();
QString sampleDesktopName(SampleDesktop desktop);

// At the given device pixel ratio.
QImage sampleDesktop(const QSize &logicalSize, qreal scale = 1.0,
                     SampleDesktop desktop = SampleDesktop::light);

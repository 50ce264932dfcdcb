#pragma once

#include <QString>

// A duration as a person reads it at a glance: whole seconds below a minute ("45s"), whole
// minutes above ("25m"), both rounded up so that a countdown never reads less than is left.
QString formatShortDuration(double seconds);

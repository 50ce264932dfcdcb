#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// Whether some identifier equals some prefix, or begins with it followed by a full stop.
// Exact and case-sensitive: "us.zoom" matches "us.zoom" and "us.zoom.xos", not "us.zoomer".
bool matchesAnyBundlePrefix(const QSet<QString> &identifiers, const QStringList &prefixes);

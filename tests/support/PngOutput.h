#pragma once

#include <QDir>
#include <QImage>
#include <QString>

// Writes <folder>/<name>.png for the render tools and prints its path; says on stderr and
// returns false when it cannot.
bool savePng(const QImage &image, const QDir &folder, const QString &name);

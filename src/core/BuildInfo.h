#pragma once

#include <QVariantMap>

// The application's information dictionary: the keys the build was configured with
// ("CFBundleShortVersionString", "LPAppEnvironment", "SUFeedURL", ...). Written by CMake.
QVariantMap buildInfoDictionary();

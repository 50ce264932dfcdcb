#pragma once

#include <QList>
#include <QString>

// Which detector recognised a call or recording. The raw value of each case is its name,
// which is also how the detector is written in log lines.
enum class DetectorType { zoom, teams, browser, slack, discord, webex, facetime, voiceMemos, generic };

// Every case in declaration order.
const QList<DetectorType> &allDetectorTypes();
QString detectorTypeRawValue(DetectorType type);

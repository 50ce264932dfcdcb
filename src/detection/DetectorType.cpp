#include "detection/DetectorType.h"

const QList<DetectorType> &allDetectorTypes()
{
    static const QList<DetectorType> types = {
        DetectorType::zoom,    DetectorType::teams,    DetectorType::browser,
        DetectorType::slack,   DetectorType::discord,  DetectorType::webex,
        DetectorType::facetime, DetectorType::voiceMemos, DetectorType::generic,
    };
    return types;
}

QString detectorTypeRawValue(DetectorType type)
{
    switch (type) {
    case DetectorType::zoom:
        return QStringLiteral("zoom");
    case DetectorType::teams:
        return QStringLiteral("teams");
    case DetectorType::browser:
        return QStringLiteral("browser");
    case DetectorType::slack:
        return QStringLiteral("slack");
    case DetectorType::discord:
        return QStringLiteral("discord");
    case DetectorType::webex:
        return QStringLiteral("webex");
    case DetectorType::facetime:
        return QStringLiteral("facetime");
    case DetectorType::voiceMemos:
        return QStringLiteral("voiceMemos");
    case DetectorType::generic:
        return QStringLiteral("generic");
    }
    return {};
}

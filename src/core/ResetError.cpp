#include "core/ResetError.h"

ResetError::ResetError(Kind kind, QString description)
    : m_kind(kind)
    , m_description(std::move(description))
{
}

ResetError ResetError::missingBundleIdentifier()
{
    return {Kind::missingBundleIdentifier, QStringLiteral("The app bundle identifier is unavailable.")};
}

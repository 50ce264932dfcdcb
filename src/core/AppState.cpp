#include "core/AppState.h"

#include "core/Logger.h"

#include <array>

namespace {

constexpr std::array<std::pair<AppState, const char *>, 6> rawValues = {{
    {AppState::launching, "launching"},
    {AppState::onboarding, "onboarding"},
    {AppState::background, "background"},
    {AppState::settings, "settings"},
    {AppState::breakRunning, "breakRunning"},
    {AppState::shutdown, "shutdown"},
}};

} // namespace

QString appStateRawValue(AppState state)
{
    for (const auto &[value, raw] : rawValues) {
        if (value == state)
            return QLatin1String(raw);
    }
    return QString();
}

std::optional<AppState> appStateFromRawValue(const QString &raw)
{
    for (const auto &[value, text] : rawValues) {
        if (raw == QLatin1String(text))
            return value;
    }
    return std::nullopt;
}

AppStateStore::AppStateStore(QObject *parent)
    : QObject(parent)
{
}

void AppStateStore::transition(AppState to)
{
    const AppState from = m_current;
    if (to != from) {
        m_current = to;
        emit currentChanged(to);
    }
    logInfo(QStringLiteral("AppState"),
            appStateRawValue(from) + QStringLiteral(" \u2192 ") + appStateRawValue(to));
}

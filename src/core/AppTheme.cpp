#include "core/AppTheme.h"

#include <array>

namespace {

constexpr std::array<std::pair<AppTheme, const char *>, 3> rawValues = {{
    {AppTheme::system, "System"},
    {AppTheme::light, "Light"},
    {AppTheme::dark, "Dark"},
}};

} // namespace

QString appThemeRawValue(AppTheme theme)
{
    for (const auto &[value, raw] : rawValues) {
        if (value == theme)
            return QLatin1String(raw);
    }
    return QString();
}

std::optional<AppTheme> appThemeFromRawValue(const QString &raw)
{
    for (const auto &[value, text] : rawValues) {
        if (raw == QLatin1String(text))
            return value;
    }
    return std::nullopt;
}

std::optional<ColorScheme> appThemeColorScheme(AppTheme theme)
{
    switch (theme) {
    case AppTheme::system: return std::nullopt;
    case AppTheme::light: return ColorScheme::light;
    case AppTheme::dark: return ColorScheme::dark;
    }
    return std::nullopt;
}

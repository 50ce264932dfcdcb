#pragma once

#include <QString>

#include <optional>

// How the application's own windows are drawn: following the desktop, or always light or
// always dark. Stored under "appTheme" as its raw value.
enum class AppTheme { system, light, dark };

// The colour scheme a window asks for; no value lets it follow the desktop.
enum class ColorScheme { light, dark };

QString appThemeRawValue(AppTheme theme);
// Exactly "System", "Light" or "Dark", case-sensitively; anything else gives no value.
std::optional<AppTheme> appThemeFromRawValue(const QString &raw);
std::optional<ColorScheme> appThemeColorScheme(AppTheme theme);

#include "core/ThemeManager.h"

#include "core/DesktopAppearance.h"
#include "core/FileSettingsRepository.h"
#include "core/SettingsRepository.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

const QString kThemeKey = QStringLiteral("appTheme");
// Window colours at or above the middle of the lightness scale read as a light palette.
constexpr int kDarkLightnessLimit = 128;

const DesktopAppearance *s_sharedAppearance = nullptr;

} // namespace

ThemeManager::ThemeManager(SettingsRepository &settings, const DesktopAppearance *appearance,
                           QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_appearance(appearance)
{
    // A stored text that names no theme (another spelling, say) reads as "System" but stays
    // in the store untouched until the user picks a theme.
    const QString stored = m_settings.string(kThemeKey).value_or(QStringLiteral("System"));
    m_appTheme = appThemeFromRawValue(stored).value_or(AppTheme::system);
    m_effectiveScheme = effectiveScheme();
    if (m_appearance)
        connect(m_appearance, &DesktopAppearance::prefersDarkChanged, this,
                &ThemeManager::updateEffectiveScheme);
}

ThemeManager &ThemeManager::shared()
{
    // Never destroyed: a QObject must not outlive the application object at exit.
    static auto *instance =
        new ThemeManager(FileSettingsRepository::standard(), s_sharedAppearance);
    return *instance;
}

void ThemeManager::setSharedAppearance(const DesktopAppearance *appearance)
{
    s_sharedAppearance = appearance;
}

void ThemeManager::setAppTheme(AppTheme theme)
{
    const bool changed = theme != m_appTheme;
    m_appTheme = theme;
    // Stored before observers hear of it, so that any of them reading the store agrees.
    m_settings.setString(kThemeKey, appThemeRawValue(m_appTheme));
    if (changed) {
        emit appThemeChanged(m_appTheme);
        updateEffectiveScheme();
    }
}

void ThemeManager::updateEffectiveScheme()
{
    // The desktop may announce a change while a forced theme hides it; windows hear only of
    // what alters their look.
    const ColorScheme scheme = effectiveScheme();
    if (scheme == m_effectiveScheme)
        return;
    m_effectiveScheme = scheme;
    emit effectiveSchemeChanged(scheme);
}

bool ThemeManager::isDark() const
{
    switch (m_appTheme) {
    case AppTheme::light: return false;
    case AppTheme::dark: return true;
    case AppTheme::system: return desktopIsDark();
    }
    return false;
}

bool ThemeManager::desktopIsDark() const
{
    if (m_appearance) {
        if (const std::optional<bool> prefersDark = m_appearance->prefersDark())
            return *prefersDark;
    }
    return QGuiApplication::palette().color(QPalette::Window).lightness() < kDarkLightnessLimit;
}

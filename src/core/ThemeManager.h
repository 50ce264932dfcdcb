#pragma once

#include "core/AppTheme.h"

#include <QObject>

#include <optional>

class DesktopAppearance;
class SettingsRepository;

// Holds the user's theme choice and keeps it under "appTheme". The choice is not applied to
// the application as a whole: windows ask for their colour scheme (colorScheme) and the
// floating notices for their palette (isDark) whenever they draw; the settings window follows
// the scheme in effect (effectiveScheme), which under "System" moves with the desktop.
// Main thread only.
class ThemeManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(AppTheme appTheme READ appTheme WRITE setAppTheme NOTIFY appThemeChanged)

public:
    // Reads the stored choice and writes nothing. The appearance may be null: the desktop
    // then states no preference and the palette decides.
    ThemeManager(SettingsRepository &settings, const DesktopAppearance *appearance,
                 QObject *parent = nullptr);

    // The process-wide holder on the standard settings store, made on first use. It follows
    // the appearance installed with setSharedAppearance before that first use, if any.
    static ThemeManager &shared();
    // The application picks the desktop's appearance source; the core does not know which
    // platform it runs on. The appearance must outlive the shared holder.
    static void setSharedAppearance(const DesktopAppearance *appearance);

    AppTheme appTheme() const { return m_appTheme; }
    // Persists on every call, also an unchanged one, so the store always holds what the
    // user last picked; observers hear only of real changes.
    void setAppTheme(AppTheme theme);

    // Whether content should be drawn dark now: "System" asks the desktop, and when the
    // desktop states no preference, whether the application palette's window colour is dark.
    bool isDark() const;
    std::optional<ColorScheme> colorScheme() const { return appThemeColorScheme(m_appTheme); }
    // The scheme content is drawn in now: the user's theme, or under "System" what isDark()
    // finds.
    ColorScheme effectiveScheme() const { return isDark() ? ColorScheme::dark : ColorScheme::light; }

signals:
    void appThemeChanged(AppTheme appTheme);
    // The scheme in effect has changed, through the user's theme or, under "System", the
    // desktop's preference; never for a change that leaves it as it was.
    void effectiveSchemeChanged(ColorScheme scheme);

private:
    bool desktopIsDark() const;
    void updateEffectiveScheme();

    SettingsRepository &m_settings;
    const DesktopAppearance *m_appearance;
    AppTheme m_appTheme = AppTheme::system;
    ColorScheme m_effectiveScheme = ColorScheme::light;
};

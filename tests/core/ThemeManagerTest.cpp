#include "core/InMemorySettingsRepository.h"
#include "core/ThemeManager.h"
#include "support/FakeDesktopAppearance.h"

#include <QGuiApplication>
#include <QPalette>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

const QString kKey = QStringLiteral("appTheme");

QVariantMap storedTheme(const QString &raw)
{
    return {{kKey, raw}};
}

// Sets the application palette for one test and puts the previous one back.
class PaletteOverride
{
public:
    explicit PaletteOverride(const QColor &window)
        : m_previous(QGuiApplication::palette())
    {
        QPalette palette = m_previous;
        palette.setColor(QPalette::Window, window);
        QGuiApplication::setPalette(palette);
    }
    ~PaletteOverride() { QGuiApplication::setPalette(m_previous); }

private:
    QPalette m_previous;
};

} // namespace

TEST(ThemeManagerTest, StoredTextChoosesTheThemeExactlyAndCreationWritesNothing)
{
    const std::pair<QVariantMap, AppTheme> cases[] = {
        {{}, AppTheme::system},
        {storedTheme("Dark"), AppTheme::dark},
        {storedTheme("Light"), AppTheme::light},
        {storedTheme("dark"), AppTheme::system},
        {{{kKey, QVariant::fromValue(qint64(2))}}, AppTheme::system},
    };
    for (const auto &[stored, expected] : cases) {
        InMemorySettingsRepository settings(stored);
        const ThemeManager themes(settings, nullptr);
        EXPECT_EQ(themes.appTheme(), expected) << stored.value(kKey).toString().toStdString();
        EXPECT_EQ(settings.writeCount(), 0);
        EXPECT_EQ(settings.persistentDomain(), stored);
    }
}

TEST(ThemeManagerTest, EverySetPersistsButOnlyARealChangeNotifies)
{
    InMemorySettingsRepository settings(storedTheme("Light"));
    ThemeManager themes(settings, nullptr);
    QSignalSpy changes(&themes, &ThemeManager::appThemeChanged);

    themes.setAppTheme(AppTheme::light);
    EXPECT_EQ(settings.writeCount(), 1);
    EXPECT_EQ(changes.count(), 0);

    themes.setAppTheme(AppTheme::dark);
    EXPECT_EQ(settings.writeCount(), 2);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.at(0).at(0).value<AppTheme>(), AppTheme::dark);
    EXPECT_EQ(settings.string(kKey), QStringLiteral("Dark"));

    // Through the property, as a bound settings control sets it.
    EXPECT_TRUE(themes.setProperty("appTheme", QVariant::fromValue(AppTheme::system)));
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(settings.string(kKey), QStringLiteral("System"));

    // A new holder on the same store reads the last choice back.
    EXPECT_EQ(ThemeManager(settings, nullptr).appTheme(), AppTheme::system);
}

TEST(ThemeManagerTest, UnknownStoredTextIsReplacedOnlyWhenTheUserPicksATheme)
{
    InMemorySettingsRepository settings(storedTheme("dark"));
    ThemeManager themes(settings, nullptr);
    themes.setAppTheme(AppTheme::system); // the theme it already reads as
    EXPECT_EQ(settings.string(kKey), QStringLiteral("System"));
}

TEST(ThemeManagerTest, SystemThemeFollowsTheDesktopAndFixedThemesIgnoreIt)
{
    InMemorySettingsRepository settings;
    FakeDesktopAppearance desktop;
    ThemeManager themes(settings, &desktop);

    desktop.setPrefersDark(true);
    EXPECT_TRUE(themes.isDark());
    EXPECT_EQ(themes.colorScheme(), std::nullopt);
    desktop.setPrefersDark(false);
    EXPECT_FALSE(themes.isDark());

    themes.setAppTheme(AppTheme::light);
    for (std::optional<bool> desktopDark : {std::optional(true), std::optional(false)}) {
        desktop.setPrefersDark(desktopDark);
        EXPECT_FALSE(themes.isDark());
        EXPECT_EQ(themes.colorScheme(), ColorScheme::light);
    }
    themes.setAppTheme(AppTheme::dark);
    desktop.setPrefersDark(false);
    EXPECT_TRUE(themes.isDark());
    EXPECT_EQ(themes.colorScheme(), ColorScheme::dark);
}

TEST(ThemeManagerTest, WithoutADesktopPreferenceTheSystemThemeFollowsThePalette)
{
    InMemorySettingsRepository settings;
    FakeDesktopAppearance desktop; // states no preference
    const ThemeManager themes(settings, &desktop);
    const ThemeManager withoutDesktop(settings, nullptr);
    {
        PaletteOverride palette(QColor(30, 30, 30));
        EXPECT_TRUE(themes.isDark());
        EXPECT_TRUE(withoutDesktop.isDark());
    }
    {
        PaletteOverride palette(QColor(239, 239, 239));
        EXPECT_FALSE(themes.isDark());
        EXPECT_FALSE(withoutDesktop.isDark());
        desktop.setPrefersDark(true); // a stated preference wins over the palette
        EXPECT_TRUE(themes.isDark());
    }
}

TEST(ThemeManagerTest, EffectiveSchemeIsAnnouncedOnlyWhenTheLookChanges)
{
    InMemorySettingsRepository settings;
    FakeDesktopAppearance desktop;
    desktop.setPrefersDark(false);
    ThemeManager themes(settings, &desktop);
    QSignalSpy changes(&themes, &ThemeManager::effectiveSchemeChanged);
    const auto heard = [&] {
        QList<ColorScheme> schemes;
        for (const QList<QVariant> &change : std::as_const(changes))
            schemes.append(change.at(0).value<ColorScheme>());
        changes.clear();
        return schemes;
    };

    desktop.setPrefersDark(true); // under "System" the desktop decides
    EXPECT_EQ(heard(), QList<ColorScheme>{ColorScheme::dark});
    themes.setAppTheme(AppTheme::dark); // same look, nothing to announce
    EXPECT_EQ(heard(), QList<ColorScheme>{});
    desktop.setPrefersDark(false); // hidden by the forced theme
    EXPECT_EQ(heard(), QList<ColorScheme>{});
    EXPECT_EQ(themes.effectiveScheme(), ColorScheme::dark);
    themes.setAppTheme(AppTheme::system); // back to the desktop, which is light by now
    EXPECT_EQ(heard(), QList<ColorScheme>{ColorScheme::light});
    themes.setAppTheme(AppTheme::dark);
    themes.setAppTheme(AppTheme::light);
    EXPECT_EQ(heard(), (QList<ColorScheme>{ColorScheme::dark, ColorScheme::light}));
}

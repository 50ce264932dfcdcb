#include "core/InMemorySettingsRepository.h"
#include "core/ThemeManager.h"
#include "settings_ui/components/CachedShadow.h"
#include "settings_ui/components/FadingSnapshot.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/WindowTheme.h"
#include "support/BreakScreenRig.h"

#include <QPainter>
#include <QPointer>
#include <QScrollBar>

#include <gtest/gtest.h>

TEST(WindowThemeTest, WidgetsAddedLaterGetOurStyleAndEveryWidgetTheSchemeInEffect)
{
    InMemorySettingsRepository store;
    ThemeManager theme(store, nullptr);
    theme.setAppTheme(AppTheme::dark);
    QWidget root;
    auto *early = new QWidget(&root);
    new WindowTheme(&root, theme);
    root.show();
    auto *late = new QScrollBar(early); // made after the window is up, two levels down
    late->show();
    late->ensurePolished();
    EXPECT_EQ(early->style(), SettingsPalette::style());
    EXPECT_EQ(late->style(), SettingsPalette::style());
    EXPECT_EQ(SettingsPalette::schemeOf(late), ColorScheme::dark);
    theme.setAppTheme(AppTheme::light);
    EXPECT_EQ(SettingsPalette::schemeOf(late), ColorScheme::light);
}

TEST(FadingSnapshotTest, APictureLaidOverItsHostGoesWhenTheHostHides)
{
    QWidget host;
    host.resize(200, 100);
    host.show();
    const QPointer<FadingSnapshot> snapshot =
        FadingSnapshot::fadeOut(QPixmap(200, 100), host.rect(), &host, MotionCurve::easeInOut(10));
    ASSERT_FALSE(snapshot.isNull());
    EXPECT_TRUE(snapshot->isVisible());
    EXPECT_TRUE(snapshot->testAttribute(Qt::WA_TransparentForMouseEvents));
    host.hide(); // nothing of a hidden window keeps running
    BreakScreenRig::flushDeletions();
    EXPECT_TRUE(snapshot.isNull());

    QWidget hidden;
    EXPECT_EQ(FadingSnapshot::fadeOut(&hidden, &host, MotionCurve::easeInOut(1)), nullptr);
}

TEST(CachedShadowTest, TheShadowFallsAroundAndBelowItsShapeButNotThroughIt)
{
    QImage canvas(120, 120, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    CachedShadow shadow;
    const QRectF card(30, 30, 60, 40);
    shadow.paint(painter, card, 8, 12, QColor(0, 0, 0, 100), QPointF(0, 5));
    painter.end();
    EXPECT_EQ(qAlpha(canvas.pixel(60, 50)), 0) << "a translucent card shows no stain";
    EXPECT_GT(qAlpha(canvas.pixel(60, 76)), qAlpha(canvas.pixel(60, 24))) << "the shadow falls below";
    EXPECT_GT(qAlpha(canvas.pixel(60, 24)), 0) << "and softly around";
    EXPECT_EQ(qAlpha(canvas.pixel(2, 2)), 0);
}

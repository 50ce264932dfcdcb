#include "core/InMemorySettingsRepository.h"
#include "core/ThemeManager.h"
#include "settings_ui/components/BackButton.h"
#include "settings_ui/components/InfoTip.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/WindowTheme.h"
#include "settings_ui/panes/breaks/BreakEnforcement.h"
#include "settings_ui/panes/breaks/EnforcementCard.h"
#include "settings_ui/panes/breaks/NavigationRowButton.h"
#include "settings_ui/window/SidebarButtonView.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QEnterEvent>
#include <QHBoxLayout>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class SettingsComponentsTest : public ::testing::Test
{
protected:
    SettingsComponentsTest()
    {
        Motion::setJumpToEnd(true);
        window.setAutoFillBackground(true);
        new WindowTheme(&window, theme);
    }
    ~SettingsComponentsTest() override { Motion::setJumpToEnd(false); }

    // The colour the widget paints at `point` (its own coordinates), window ground included.
    QColor pixel(QWidget *widget, QPoint point)
    {
        return window.grab().toImage().pixelColor(widget->mapTo(&window, point));
    }

    static void hover(QWidget *widget)
    {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(widget, &enter);
    }

    InMemorySettingsRepository store{{{"appTheme", "Light"}}};
    ThemeManager theme{store, nullptr};
    QWidget window;
};

int distance(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

} // namespace

TEST(BreakEnforcementTest, RawValuesAreExactAndListedInOrderWithTheirColours)
{
    EXPECT_EQ(allBreakEnforcements(), (std::array{BreakEnforcement::casual, BreakEnforcement::balanced,
                                                   BreakEnforcement::hardcore}));
    const std::pair<const char *, std::optional<BreakEnforcement>> parses[] = {
        {"Casual", BreakEnforcement::casual}, {"Balanced", BreakEnforcement::balanced},
        {"Hardcore", BreakEnforcement::hardcore}, {"casual", std::nullopt},
        {"HARDCORE", std::nullopt}, {"", std::nullopt}, {"Balanced ", std::nullopt},
    };
    for (const auto &[raw, mode] : parses) {
        EXPECT_EQ(breakEnforcementFromRawValue(raw), mode) << raw;
        if (mode) {
            EXPECT_EQ(breakEnforcementRawValue(*mode), raw);
        }
    }
    // Casual: teal 0.7, mint 0.6, green 0.5 of the named colours.
    const auto casual = breakEnforcementGradientColors(BreakEnforcement::casual, ColorScheme::light);
    EXPECT_EQ(casual[0].rgb(), NamedColors::color(NamedColor::teal, ColorScheme::light).rgb());
    EXPECT_NEAR(casual[0].alphaF(), 0.7, 0.01);
    EXPECT_EQ(casual[2].rgb(), NamedColors::color(NamedColor::green, ColorScheme::light).rgb());
    EXPECT_NEAR(casual[2].alphaF(), 0.5, 0.01);
    EXPECT_EQ(breakEnforcementPreviewSymbol(BreakEnforcement::hardcore), "slash.circle");
    EXPECT_EQ(breakEnforcementSubtitle(BreakEnforcement::balanced), "Limited skips");
}

TEST_F(SettingsComponentsTest, OnlyTheSelectedEnforcementCardWearsTheAccentAndHoverGrowsACardInPlace)
{
    auto *row = new QHBoxLayout(&window);
    QList<EnforcementCard *> cards;
    for (BreakEnforcement mode : allBreakEnforcements()) {
        cards << new EnforcementCard(mode);
        row->addWidget(cards.last());
    }
    cards[1]->setSelected(true);
    window.resize(700, 160);
    window.show();
    const QColor accent = NamedColors::color(NamedColor::accent, ColorScheme::light);
    for (EnforcementCard *card : cards) {
        SCOPED_TRACE(card->accessibleName().toStdString());
        // Half-way down the card's left edge, where the border runs.
        const QPoint edge(int(card->cardRect().left()) + 1, int(card->cardRect().center().y()));
        EXPECT_EQ(distance(pixel(card, edge), accent) < 60, card->isSelected());
    }

    EnforcementCard *hovered = cards[2];
    const QRect geometry = hovered->geometry();
    const QImage before = hovered->grab().toImage();
    hover(hovered);
    EXPECT_EQ(hovered->hoverProgress(), 1.0);
    EXPECT_EQ(hovered->geometry(), geometry) << "hover is drawn, the layout does not move";
    // Drawn 2 % larger: the border now passes just outside where it was.
    const QPoint outside(int(hovered->cardRect().left()) - 1, int(hovered->cardRect().center().y()));
    EXPECT_NE(hovered->grab().toImage().pixelColor(outside), before.pixelColor(outside));
}

TEST_F(SettingsComponentsTest, ANavigationRowWithoutDetailShowsNoDetailButKeepsItsChevron)
{
    auto *column = new QVBoxLayout(&window);
    auto *withDetail = new NavigationRowButton("timer", NamedColor::orange, "Working Hours", "9:00–18:00");
    auto *without = new NavigationRowButton("repeat", NamedColor::purple, "Working Hours", "");
    column->addWidget(withDetail);
    column->addWidget(without);
    window.resize(400, 100);
    window.show();
    // Ink in a band of the row, against the window's ground.
    const auto inkIn = [&](NavigationRowButton *row, int fromRight, int toRight) {
        const QImage image = row->grab().toImage();
        const QColor ground = image.pixelColor(image.width() / 2, 1);
        int ink = 0;
        for (int x = row->width() - fromRight; x < row->width() - toRight; ++x)
            for (int y = 0; y < row->height(); ++y)
                ink += distance(image.pixelColor(x, y), ground) > 60;
        return ink;
    };
    EXPECT_GT(inkIn(withDetail, 80, 20), 0);
    EXPECT_EQ(inkIn(without, 80, 20), 0);
    EXPECT_GT(inkIn(without, 12, 0), 0) << "the chevron stays";
    EXPECT_LT(without->sizeHint().width(), withDetail->sizeHint().width());
}

TEST_F(SettingsComponentsTest, CardsAndTipsTakeTheirColoursFromTheSchemeAtOnce)
{
    auto *column = new QVBoxLayout(&window);
    auto *card = new SettingCard;
    card->setMinimumHeight(40);
    auto *tip = new InfoTip("lightbulb.fill", "Tip", "A message", NamedColor::blue);
    column->addWidget(card);
    column->addWidget(tip);
    window.resize(400, 200);
    window.show();
    for (const ColorScheme scheme : {ColorScheme::light, ColorScheme::dark, ColorScheme::light}) {
        theme.setAppTheme(scheme == ColorScheme::dark ? AppTheme::dark : AppTheme::light);
        const QColor ground = SettingsPalette::palette(scheme).color(QPalette::Window);
        const QColor cardFill = scheme == ColorScheme::dark ? QColor::fromRgbF(0.125f, 0.129f, 0.133f)
                                                            : QColor(Qt::white);
        EXPECT_LT(distance(pixel(card, {200, 20}), cardFill), 4);
        // The tip's wash over the window's ground: 12 % of the tint when dark, 5 % when light.
        const QColor wash = InfoTip::fillColour(NamedColor::blue, scheme);
        EXPECT_NEAR(wash.alphaF(), scheme == ColorScheme::dark ? 0.12 : 0.05, 0.01);
        const QColor expected = NamedColors::blend(ground, QColor(wash.rgb()), wash.alphaF());
        EXPECT_LT(distance(pixel(tip, {tip->width() - 8, tip->height() / 2}), expected), 6);
    }
}

TEST_F(SettingsComponentsTest, TilesAreAnnouncedAsTheControlTheyActAsAndPressedByAction)
{
    auto *row = new QHBoxLayout(&window);
    auto *sidebarRow = new SidebarButtonView(SidebarSection::smartBehavior);
    auto *navigation = new NavigationRowButton("timer", NamedColor::orange, "Working Hours", "");
    auto *card = new EnforcementCard(BreakEnforcement::hardcore);
    auto *back = new BackButton;
    for (QWidget *widget : std::initializer_list<QWidget *>{sidebarRow, navigation, card, back})
        row->addWidget(widget);
    sidebarRow->setSelected(true);
    window.show();
    struct Expected
    {
        TileButton *tile;
        QAccessible::Role role;
        const char *name;
        bool checked;
    };
    const Expected tiles[] = {
        {sidebarRow, QAccessible::RadioButton, "Smart Behavior", true},
        {navigation, QAccessible::Button, "Working Hours", false},
        {card, QAccessible::RadioButton, "Hardcore", false},
        {back, QAccessible::Button, "Back", false},
    };
    for (const Expected &expected : tiles) {
        SCOPED_TRACE(expected.name);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(expected.tile);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->role(), expected.role);
        EXPECT_EQ(accessible->text(QAccessible::Name), expected.name);
        EXPECT_EQ(accessible->state().checked, expected.checked);
        EXPECT_TRUE(accessible->state().focusable);
        QSignalSpy clicks(expected.tile, &QAbstractButton::clicked);
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        expected.tile->setFocus(Qt::TabFocusReason);
        QTest::keyClick(expected.tile, Qt::Key_Space);
        EXPECT_EQ(clicks.count(), 2);
        EXPECT_EQ(expected.tile->isSelected(), expected.checked) << "selection stays the owner's";
    }
}

TEST(NamedColorsTest, AGradientIsTheColourLightenedALittleAtTheTop)
{
    const QColor base = NamedColors::color(NamedColor::orange, ColorScheme::light);
    const QGradientStops stops = NamedColors::gradient(base, QRectF(0, 0, 26, 26)).stops();
    ASSERT_EQ(stops.size(), 2);
    EXPECT_EQ(stops.last().second, base);
    EXPECT_GT(stops.first().second.lightness(), base.lightness());
    EXPECT_LT(stops.first().second.lightness() - base.lightness(), 40);
    EXPECT_NE(NamedColors::color(NamedColor::label, ColorScheme::light),
              NamedColors::color(NamedColor::label, ColorScheme::dark));
}

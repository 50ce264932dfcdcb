#include "settings_ui/components/SettingsPalette.h"

#include "settings_ui/components/NamedColors.h"

#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace {

// Window colours at or above the middle of the lightness scale read as a light palette.
constexpr int darkLightnessLimit = 128;
// What a mark that is not text needs to stand out from what lies around it.
constexpr double nonTextContrast = 3.0;

struct Roles
{
    QColor window, windowText, base, alternateBase, text, placeholder, button, buttonText,
        light, midlight, mid, dark, shadow, highlight, highlightedText, link, toolTipBase,
        toolTipText, disabledText;
};

// Close to the neutral greys of a desktop's settings windows, with a blue accent for
// selections and links.
const Roles lightRoles{
    QColor(238, 238, 236), QColor(29, 29, 31),    QColor(255, 255, 255), QColor(246, 246, 244),
    QColor(29, 29, 31),    QColor(0, 0, 0, 70),   QColor(250, 250, 249), QColor(29, 29, 31),
    QColor(255, 255, 255), QColor(245, 245, 243), QColor(196, 196, 194), QColor(160, 160, 158),
    QColor(120, 120, 118), QColor(0, 122, 255),   QColor(255, 255, 255), QColor(0, 104, 218),
    QColor(255, 255, 255), QColor(29, 29, 31),    QColor(29, 29, 31, 100)};

const Roles darkRoles{
    QColor(36, 36, 38),    QColor(236, 236, 238), QColor(28, 28, 30),    QColor(44, 44, 46),
    QColor(236, 236, 238), QColor(255, 255, 255, 70), QColor(58, 58, 60), QColor(236, 236, 238),
    QColor(78, 78, 80),    QColor(66, 66, 68),    QColor(48, 48, 50),    QColor(22, 22, 24),
    QColor(0, 0, 0),       QColor(10, 132, 255),  QColor(255, 255, 255), QColor(64, 156, 255),
    QColor(54, 54, 56),    QColor(236, 236, 238), QColor(236, 236, 238, 90)};

} // namespace

QPalette SettingsPalette::palette(ColorScheme scheme)
{
    const Roles &roles = scheme == ColorScheme::dark ? darkRoles : lightRoles;
    QPalette palette;
    const std::pair<QPalette::ColorRole, QColor> entries[] = {
        {QPalette::Window, roles.window},
        {QPalette::WindowText, roles.windowText},
        {QPalette::Base, roles.base},
        {QPalette::AlternateBase, roles.alternateBase},
        {QPalette::Text, roles.text},
        {QPalette::PlaceholderText, roles.placeholder},
        {QPalette::Button, roles.button},
        {QPalette::ButtonText, roles.buttonText},
        {QPalette::BrightText, Qt::white},
        {QPalette::Light, roles.light},
        {QPalette::Midlight, roles.midlight},
        {QPalette::Mid, roles.mid},
        {QPalette::Dark, roles.dark},
        {QPalette::Shadow, roles.shadow},
        {QPalette::Highlight, roles.highlight},
        {QPalette::HighlightedText, roles.highlightedText},
        {QPalette::Link, roles.link},
        {QPalette::LinkVisited, roles.link},
        {QPalette::ToolTipBase, roles.toolTipBase},
        {QPalette::ToolTipText, roles.toolTipText},
    };
    for (const auto &[role, colour] : entries)
        palette.setColor(role, colour);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, roles.disabledText);
    return palette;
}

ColorScheme SettingsPalette::schemeOf(const QWidget *widget)
{
    return widget->palette().color(QPalette::Window).lightness() < darkLightnessLimit
               ? ColorScheme::dark
               : ColorScheme::light;
}

QStyle *SettingsPalette::style()
{
    // Never destroyed: widgets may still ask for it while the application winds down.
    static QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    return fusion;
}

QColor SettingsPalette::focusRing(ColorScheme scheme)
{
    // Opaque: a translucent ring fades into what it crosses. The light scheme's accent gives
    // only 2.8:1 on a sidebar row under the pointer; a shade deeper keeps 3.4:1 there.
    return scheme == ColorScheme::dark ? QColor(64, 156, 255) : QColor(0, 110, 230);
}

QColor SettingsPalette::focusRing(ColorScheme scheme, const QColor &ground)
{
    const QColor under = NamedColors::laidOver(ground, palette(scheme).color(QPalette::Window));
    const QColor ring = focusRing(scheme);
    if (NamedColors::contrast(ring, under) >= nonTextContrast)
        return ring;
    const QColor white(Qt::white);
    return NamedColors::contrast(white, under) >= nonTextContrast ? white : QColor(Qt::black);
}

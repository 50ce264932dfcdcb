#include "settings_ui/components/NamedColors.h"

#include "settings_ui/components/SettingsPalette.h"

#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct Pair
{
    QColor light, dark;
};

// Index by NamedColor. The dark variants are a little brighter, as coloured text and tiles
// need to be on a dark ground.
const std::array<Pair, 16> pairs = {{
    {QColor(0, 122, 255), QColor(10, 132, 255)},           // blue
    {QColor(52, 199, 89), QColor(48, 209, 88)},            // green
    {QColor(255, 149, 0), QColor(255, 159, 10)},           // orange
    {QColor(175, 82, 222), QColor(191, 90, 242)},          // purple
    {QColor(48, 176, 199), QColor(64, 200, 224)},          // teal
    {QColor(255, 59, 48), QColor(255, 69, 58)},            // red
    {QColor(255, 45, 85), QColor(255, 55, 95)},            // pink
    {QColor(0, 199, 190), QColor(99, 230, 226)},           // mint
    {QColor(255, 204, 0), QColor(255, 214, 10)},           // yellow
    {QColor(142, 142, 147), QColor(152, 152, 157)},        // gray
    {QColor(0, 122, 255), QColor(10, 132, 255)},           // accent
    {QColor(29, 29, 31), QColor(236, 236, 238)},           // label
    {QColor(60, 60, 67, 204), QColor(235, 235, 245, 153)}, // secondaryLabel
    {QColor(60, 60, 67, 76), QColor(235, 235, 245, 76)},   // tertiaryLabel
    {QColor(0, 0, 0, 26), QColor(255, 255, 255, 26)},      // separator
    {QColor(255, 255, 255), QColor(30, 30, 30)},           // textBackground
}};

// How far a tint moves towards the label colour as text on a light ground.
constexpr qreal textDarkening = 0.25;
// Text stands out from the window's ground at least so much. The cards are lighter than the
// window in the light scheme and darker in the dark one, so on them it stands out further.
// Aimed a little higher than the 4.5:1 floor: a translucent ground is painted in whole
// levels, which can take a hundredth off.
constexpr double textContrastFloor = 4.55;
// How far a text colour moves further towards the label colour in each step that it still
// falls short.
constexpr qreal textStep = 0.02;

double linearLight(float encoded)
{
    return encoded <= 0.04045f ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour)
{
    return 0.2126 * linearLight(colour.redF()) + 0.7152 * linearLight(colour.greenF())
           + 0.0722 * linearLight(colour.blueF());
}

// The contrast `ink` reaches laid over the opaque `ground`.
double contrastOver(const QColor &ink, const QColor &ground)
{
    const double first = luminance(NamedColors::laidOver(ink, ground));
    const double second = luminance(ground);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The accent under white text: the light scheme's accent gives white 4.0:1, the dark one's
// 3.7:1; these, a shade deeper and of the same hue, give it 4.8:1.
const QColor accentFillLight(0, 110, 230);
const QColor accentFillDark(8, 110, 232);

// How much whiter the top of a gradient is than its foot.
constexpr float gradientLift = 0.16f;

} // namespace

QColor NamedColors::color(NamedColor name, ColorScheme scheme)
{
    const Pair &pair = pairs.at(std::size_t(name));
    return scheme == ColorScheme::dark ? pair.dark : pair.light;
}

QColor NamedColors::color(NamedColor name, const QWidget *widget)
{
    return color(name, SettingsPalette::schemeOf(widget));
}

QColor NamedColors::textColor(NamedColor name, ColorScheme scheme)
{
    return textColor(name, scheme, SettingsPalette::palette(scheme).color(QPalette::Window));
}

QColor NamedColors::textColor(NamedColor name, ColorScheme scheme, const QColor &ground)
{
    const QColor colour = color(name, scheme);
    const QColor label = color(NamedColor::label, scheme);
    const QColor under = laidOver(ground, SettingsPalette::palette(scheme).color(QPalette::Window));
    qreal share = scheme == ColorScheme::dark ? 0 : textDarkening;
    while (share < 1 && contrastOver(blend(colour, label, share), under) < textContrastFloor)
        share += textStep;
    return blend(colour, label, std::min<qreal>(share, 1));
}

QColor NamedColors::accentFill(ColorScheme scheme)
{
    return scheme == ColorScheme::dark ? accentFillDark : accentFillLight;
}

QColor NamedColors::withOpacity(QColor colour, qreal opacity)
{
    colour.setAlphaF(float(colour.alphaF() * opacity));
    return colour;
}

QColor NamedColors::blend(const QColor &from, const QColor &to, qreal share)
{
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    const auto channel = [share](float x, float y) { return x + (y - x) * float(share); };
    return QColor::fromRgbF(channel(a.redF(), b.redF()), channel(a.greenF(), b.greenF()),
                            channel(a.blueF(), b.blueF()), channel(a.alphaF(), b.alphaF()));
}

QColor NamedColors::laidOver(const QColor &top, const QColor &ground)
{
    const QColor a = top.toRgb();
    const QColor b = ground.toRgb();
    const float alpha = a.alphaF();
    const auto channel = [alpha](float x, float y) { return x * alpha + y * (1 - alpha); };
    return QColor::fromRgbF(channel(a.redF(), b.redF()), channel(a.greenF(), b.greenF()),
                            channel(a.blueF(), b.blueF()));
}

double NamedColors::contrast(const QColor &ink, const QColor &ground)
{
    return contrastOver(ink, ground);
}

QLinearGradient NamedColors::gradient(const QColor &colour, const QRectF &rect)
{
    const QColor base = colour.toRgb();
    const auto lift = [](float channel) { return channel + (1 - channel) * gradientLift; };
    const QColor top = QColor::fromRgbF(lift(base.redF()), lift(base.greenF()), lift(base.blueF()),
                                        base.alphaF());
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, base);
    return fill;
}

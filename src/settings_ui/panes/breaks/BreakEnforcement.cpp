#include "settings_ui/panes/breaks/BreakEnforcement.h"

#include "settings_ui/components/NamedColors.h"

namespace {

struct ModeFacts
{
    const char *rawValue;
    const char *subtitle;
    const char *previewSymbol;
    std::array<std::pair<NamedColor, qreal>, 3> gradient;
};

const std::array<ModeFacts, 3> facts = {{
    {"Casual", "Skip anytime", "forward.fill",
     {{{NamedColor::teal, 0.7}, {NamedColor::mint, 0.6}, {NamedColor::green, 0.5}}}},
    {"Balanced", "Limited skips", "circle",
     {{{NamedColor::orange, 0.8}, {NamedColor::pink, 0.7}, {NamedColor::blue, 0.6}}}},
    {"Hardcore", "No skips allowed", "slash.circle",
     {{{NamedColor::red, 0.8}, {NamedColor::orange, 0.6}, {NamedColor::yellow, 0.5}}}},
}};

const ModeFacts &factsOf(BreakEnforcement mode)
{
    return facts.at(std::size_t(mode));
}

} // namespace

QString breakEnforcementRawValue(BreakEnforcement mode)
{
    return QString::fromLatin1(factsOf(mode).rawValue);
}

std::optional<BreakEnforcement> breakEnforcementFromRawValue(const QString &raw)
{
    for (BreakEnforcement mode : allBreakEnforcements()) {
        if (raw == QLatin1String(factsOf(mode).rawValue))
            return mode;
    }
    return std::nullopt;
}

const std::array<BreakEnforcement, 3> &allBreakEnforcements()
{
    static const std::array<BreakEnforcement, 3> modes = {
        BreakEnforcement::casual, BreakEnforcement::balanced, BreakEnforcement::hardcore};
    return modes;
}

QString breakEnforcementSubtitle(BreakEnforcement mode)
{
    return QString::fromLatin1(factsOf(mode).subtitle);
}

QString breakEnforcementPreviewSymbol(BreakEnforcement mode)
{
    return QString::fromLatin1(factsOf(mode).previewSymbol);
}

std::array<QColor, 3> breakEnforcementGradientColors(BreakEnforcement mode, ColorScheme scheme)
{
    std::array<QColor, 3> colours;
    const auto &gradient = factsOf(mode).gradient;
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = NamedColors::withOpacity(NamedColors::color(gradient[i].first, scheme),
                                              gradient[i].second);
    return colours;
}

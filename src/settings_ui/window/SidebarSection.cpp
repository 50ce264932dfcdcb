#include "settings_ui/window/SidebarSection.h"

#include <array>

namespace {

struct SectionFacts
{
    const char *title;
    const char *symbol;
    float red, green, blue;
};

// Indexed by SidebarSection.
constexpr std::array<SectionFacts, 12> facts = {{
    {"General", "gearshape", 0.40f, 0.56f, 0.98f},
    {"Breaks", "figure.walk", 0.35f, 0.62f, 0.95f},
    {"Smart Behavior", "brain.head.profile", 0.32f, 0.68f, 0.88f},
    {"Wellness", "heart.text.square", 0.30f, 0.72f, 0.78f},
    {"Notifications", "bell.fill", 0.30f, 0.75f, 0.65f},
    {"Meetings", "video.fill", 0.32f, 0.76f, 0.52f},
    {"Media", "play.rectangle.fill", 0.42f, 0.72f, 0.35f},
    {"Advanced", "wrench.and.screwdriver", 0.38f, 0.68f, 0.56f},
    {"Shortcuts", "keyboard", 0.34f, 0.72f, 0.54f},
    {"Statistics", "chart.bar", 0.36f, 0.70f, 0.58f},
    {"Debug", "ant.fill", 0.50f, 0.58f, 0.62f},
    {"About", "person.crop.circle", 0.52f, 0.56f, 0.64f},
}};

const SectionFacts &factsOf(SidebarSection section)
{
    return facts.at(std::size_t(section));
}

} // namespace

QString sidebarSectionRawValue(SidebarSection section)
{
    return QString::fromLatin1(factsOf(section).title);
}

std::optional<SidebarSection> sidebarSectionFromRawValue(const QString &raw)
{
    for (SidebarSection section : allSidebarSections()) {
        if (raw == QLatin1String(factsOf(section).title))
            return section;
    }
    return std::nullopt;
}

QString sidebarSectionSymbol(SidebarSection section)
{
    return QString::fromLatin1(factsOf(section).symbol);
}

QColor sidebarSectionColour(SidebarSection section)
{
    const SectionFacts &f = factsOf(section);
    return QColor::fromRgbF(f.red, f.green, f.blue);
}

const QList<SidebarSection> &allSidebarSections()
{
    static const QList<SidebarSection> sections = [] {
        QList<SidebarSection> all;
        for (std::size_t index = 0; index < facts.size(); ++index)
            all.append(SidebarSection(index));
        return all;
    }();
    return sections;
}

const QList<QList<SidebarSection>> &sidebarGroups()
{
    using S = SidebarSection;
    static const QList<QList<SidebarSection>> groups = {
        {S::general},
        {S::breaks, S::smartBehavior, S::wellness, S::notifications, S::meetings, S::media},
        {S::shortcuts, S::stats, S::advanced},
        {S::about},
    };
    return groups;
}

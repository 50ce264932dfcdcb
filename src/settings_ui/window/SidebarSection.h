#pragma once

#include <QColor>
#include <QList>
#include <QString>

#include <optional>

// The sections of the settings window, in declaration order. The raw value is the title
// shown in the sidebar. `debug` has no sidebar row and shows nothing.
enum class SidebarSection {
    general, breaks, smartBehavior, wellness, notifications, meetings, media, advanced,
    shortcuts, stats, debug, about,
};

// The title, e.g. "Smart Behavior", "Statistics".
QString sidebarSectionRawValue(SidebarSection section);
// Exactly one of the twelve titles; any other text gives no section.
std::optional<SidebarSection> sidebarSectionFromRawValue(const QString &raw);
// The name of the symbol on the section's tile.
QString sidebarSectionSymbol(SidebarSection section);
// The tile's colour (opaque sRGB).
QColor sidebarSectionColour(SidebarSection section);
// All twelve, in declaration order.
const QList<SidebarSection> &allSidebarSections();
// The sidebar's groups from top to bottom, each in its order there: General; the break
// sections; Shortcuts, Statistics, Advanced; About. `debug` is in none.
const QList<QList<SidebarSection>> &sidebarGroups();

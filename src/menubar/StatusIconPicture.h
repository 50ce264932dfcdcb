#pragma once

#include <QHashFunctions>
#include <QString>

struct MenuBarStatusPresentation;

// What the tray icon shows: two presentations with the same picture draw the same icon, so
// the icon is drawn and sent to the tray host again only when this changes.
struct StatusIconPicture
{
    QString symbolName;
    // Drawn instead of the symbol when not empty.
    QString title;
    bool dimmed = false;

    static StatusIconPicture of(const MenuBarStatusPresentation &presentation);

    bool operator==(const StatusIconPicture &other) const = default;
};

inline size_t qHash(const StatusIconPicture &picture, size_t seed = 0)
{
    return qHashMulti(seed, picture.symbolName, picture.title, picture.dimmed);
}

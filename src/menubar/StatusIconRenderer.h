#pragma once

#include "menubar/StatusIconPicture.h"

#include <QCache>
#include <QIcon>
#include <QImage>
#include <QList>

// Draws the tray icon: a rounded badge in the colour of the state, carrying the countdown or
// the state's symbol in white, so that it reads on light and dark panels alike. A title is
// set as large as the badge allows (the exact style's minutes over its seconds); below 20 pixels
// it is drawn in whole pixels, which stay legible at 16. A dimmed picture is drawn at half opacity. An icon draws
// each size when the tray first asks for it; icons are kept for the pictures shown last, so
// returning to one costs nothing. Main thread only.
class StatusIconRenderer
{
public:
    // The sizes every icon holds: the tray sizes of common panels, and double for dense screens.
    static const QList<int> &iconSizes();

    static QImage render(const StatusIconPicture &picture, int side);

    QIcon icon(const StatusIconPicture &picture);

private:
    // A countdown passes through one picture a minute; a handful covers going back and forth.
    static constexpr int cachedPictures = 16;

    QCache<StatusIconPicture, QIcon> m_cache{cachedPictures};
};

#pragma once

#include <QList>
#include <QString>

#include <optional>

// Whether the toolkit will find a window system to draw on, asked before the application
// object is built: when none of its platforms can start, Qt aborts the process with advice
// to reinstall, which tells the user nothing about the missing display.
class GraphicalSessionProbe
{
public:
    enum class WindowSystem { x11, wayland };

    // The window systems Qt will try for a platform request ("xcb", "wayland;xcb", options
    // after ':' allowed); either one for an empty request, Qt's own choice. Nothing to check
    // when another platform (offscreen, vnc...) is asked for: it needs no display.
    static std::optional<QList<WindowSystem>> systemsToCheck(const QString &requestedPlatforms);
    // "-platform <name>" from the command line, else $QT_QPA_PLATFORM.
    static QString requestedPlatforms(int argc, char **argv);

    static bool canOpenDisplay(int argc, char **argv);
    // What the user is told when it cannot.
    static QString missingDisplayMessage();

private:
    static bool reachable(WindowSystem system);
    static bool waylandReachable();
};

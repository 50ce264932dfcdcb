#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Whether the toolkit will find a window system to draw on, asked before the application
// object is built: when none of its platforms can start, Qt aborts the process with advice
// to reinstall, which tells the user nothing about the missing display.
class GraphicalSessionProbe
{
public:
    enum class WindowSystem { x11, wayland };

    // What the decision reads of the system, one question each, so that it can be asked of
    // a made-up one.
    struct Checks
    {
        std::function<bool()> x11Reachable;
        std::function<bool()> waylandSocketReachable;
        // Qt finds a Wayland platform plugin to load: without one a compositor's socket
        // is of no use to it.
        std::function<bool()> waylandPluginPresent;
    };

    // The window systems Qt will try for a platform request ("xcb", "wayland;xcb", options
    // after ':' allowed); either one for an empty request, Qt's own choice. Nothing to check
    // when another platform (offscreen, vnc...) is asked for: it needs no display.
    static std::optional<QList<WindowSystem>> systemsToCheck(const QString &requestedPlatforms);
    // "-platform <name>" from the command line, else $QT_QPA_PLATFORM.
    static QString requestedPlatforms(int argc, char **argv);

    static bool canOpenDisplay(int argc, char **argv);
    static bool canOpenDisplay(const QString &requestedPlatforms, const Checks &checks);
    // What the user is told when it cannot.
    static QString missingDisplayMessage();

    // The folders Qt looks for platform plugins in, as it will once the application object
    // exists: $QT_QPA_PLATFORM_PLUGIN_PATH, then "platforms" under each of $QT_PLUGIN_PATH's
    // folders and under Qt's own plugin folder.
    static QStringList platformPluginFolders();
    // A Wayland platform plugin (libqwayland-*.so) in one of the folders.
    static bool waylandPluginIn(const QStringList &folders);

private:
    static Checks systemChecks();
    static bool waylandSocketReachable();
};

#pragma once

#include "menubar/MenuBarNotice.h"
#include "menubar/MenuBarStatusPresentation.h"

#include <QString>

#include <functional>
#include <optional>

class LiveMenuBarStatusHeader;
class QAction;
class QMenu;

// What the menu's actions depend on besides the status presentation.
struct MenuBarMenuState
{
    MenuBarStatusPresentation presentation;
    bool breakOnScreen = false;
    bool pausedManually = false;
    // A call or playback holds breaks and the user has not overridden it.
    bool breaksHeldByMeetingOrMedia = false;
    bool timerRunning = false;
    bool canSkip = true;
    QString enforcement;
    QString appDisplayName;
};

// Which actions the menu offers between its header and its fixed tail.
enum class MenuBarActionGroup {
    none,
    skipBreakOnScreen,
    resumeBreaks,
    resumeAnyway,
    intervalActions, // take a break, skip the interval, pause for a while
    takeBreakOnly,
};

// What the menu's items do.
struct MenuBarMenuHandlers
{
    std::function<void()> takeBreakNow;
    std::function<void()> skipBreak;
    std::function<void()> resumeBreaks;
    std::function<void(int minutes)> pauseForDuration; // 0 pauses with no end
    std::function<void()> openSettings;
    std::function<void()> checkForUpdates;
    std::function<void()> quit;
};

// Fills the tray's menu, from scratch each time it opens: the optional notice, the live
// header, the actions that make sense now, then settings, updates and quit.
class MenuBarMenuBuilder
{
public:
    static MenuBarActionGroup actionGroup(const MenuBarMenuState &state);

    // Empties the menu first, submenus included. Plain menus get text rows where a widget
    // menu gets its notice and header views.
    static void build(QMenu &menu, const MenuBarMenuState &state, bool widgets,
                      std::optional<MenuBarNotice> notice, LiveMenuBarStatusHeader &header,
                      const MenuBarMenuHandlers &handlers);

private:
    static void addNotice(QMenu &menu, MenuBarNotice notice, bool widgets);
    static void addActionGroup(QMenu &menu, const MenuBarMenuState &state,
                               const MenuBarMenuHandlers &handlers);
    static void addPauseMenu(QMenu &menu, const MenuBarMenuHandlers &handlers);
    static void addSkipItem(QMenu &menu, const QString &title, const MenuBarMenuState &state,
                            const MenuBarMenuHandlers &handlers);
    static void addTail(QMenu &menu, const MenuBarMenuState &state,
                        const MenuBarMenuHandlers &handlers);
};

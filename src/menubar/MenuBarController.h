#pragma once

#include "core/Cancellable.h"
#include "menubar/MenuBarMenuBuilder.h"
#include "menubar/MenuBarNotice.h"
#include "menubar/MenuBarServices.h"
#include "menubar/MenuBarStatusContext.h"
#include "menubar/MenuBarStatusPresentation.h"
#include "menubar/StatusIconRenderer.h"
#include "menubar/StatusItem.h"

#include <QDateTime>
#include <QMenu>
#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>

class LiveMenuBarStatusHeader;

// The application's presence in the tray: its item, with the countdown drawn into the icon
// and the full status in the tool tip, refreshed every second; its menu, built afresh each
// time it opens; and the actions behind the menu, the timed pause among them. The item
// appears once onboarding is done and steps aside while break panels cover the screens.
// Without a tray host the timer runs on, and reopening the application shows the settings.
// Main thread only.
class MenuBarController : public QObject
{
    Q_OBJECT

public:
    static constexpr double refreshIntervalSeconds = 1.0;

    explicit MenuBarController(MenuBarServices services, QObject *parent = nullptr);

    // Called once at launch, before the runtime starts; a second call adds nothing.
    void installStatusItem();
    // Redraws the item from the presentation of now; also ends a timed pause whose end has
    // passed on the wall clock.
    void refreshStatusItem();
    MenuBarStatusPresentation statusPresentation(const QDateTime &at);
    // Opens the menu at the pointer, or near the item when it comes with a notice.
    void showMenu(std::optional<MenuBarNotice> notice = std::nullopt);

    // The menu's actions. Outside office hours only a break on screen can be skipped; the
    // rest of taking, skipping and resuming does nothing there.
    void takeBreakNow();
    void skipBreak();
    void resumeBreaks();
    // Pauses breaks by hand; minutes of 0 pause until resumed.
    void pauseForDuration(int minutes);
    void openSettings();
    void checkForUpdates();
    void quitApp();

    // Null until the item is created (after onboarding).
    StatusItem *statusItem() const { return m_statusItem.get(); }
    // The menu the tray opens on a secondary click; null while there is no item.
    QMenu *contextMenu() const { return m_contextMenu.get(); }
    // The menu opened by the last click, kept until the next one opens.
    QMenu *openMenu() const { return m_openMenu.get(); }
    // The end of the timed pause in force, on the time of day as it reads now.
    std::optional<QDateTime> scheduledResumeDate() const;

private:
    void registerObservers();
    void ensureStatusItem();
    void handleOnboardingDidComplete();
    void handleBreakWillShow();
    void handleBreakDidHide();
    void handleShowMenuBarHandoff();
    void showPresentation(const MenuBarStatusPresentation &presentation);
    MenuBarStatusContext statusContext(const QDateTime &at);

    // Menus (MenuBarController.cpp)
    void rebuildContextMenu();
    LiveMenuBarStatusHeader *buildMenu(QMenu &menu, bool widgets,
                                       std::optional<MenuBarNotice> notice);
    MenuBarMenuState menuState(const MenuBarStatusPresentation &presentation);
    MenuBarMenuHandlers menuHandlers();

    // Actions and the timed pause (MenuBarControllerActions.cpp)
    bool withinOfficeHours();
    void skipBreakOnScreen();
    void cancelScheduledResume();
    // A timed pause ends when its time has passed, however long the machine slept in
    // between, and setting the time of day neither stretches nor cuts it: its end is on the
    // clock's monotonic reading, and shown as a time of day from what is left.
    void resumeIfTimedPauseEnded();
    std::optional<QDateTime> scheduledResumeDateAt(const QDateTime &now) const;
    // Drops a timed pause that breaks have left by another road (the hot key, say).
    void clearStaleScheduledResume();

    MenuBarServices m_services;
    // Before the item, which shows it, so that it outlives the item.
    std::unique_ptr<QMenu> m_contextMenu;
    QPointer<LiveMenuBarStatusHeader> m_contextHeader;
    std::unique_ptr<StatusItem> m_statusItem;
    std::unique_ptr<QMenu> m_openMenu;
    CancellableHandle m_updateTimer;
    std::optional<qint64> m_scheduledResumeAtMs;
    StatusIconRenderer m_iconRenderer;
    std::optional<StatusIconPicture> m_shownPicture;
    QString m_shownToolTip;
    bool m_installed = false;
};

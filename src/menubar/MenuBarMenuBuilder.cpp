#include "menubar/MenuBarMenuBuilder.h"

#include "menubar/LiveMenuBarStatusHeader.h"
#include "menubar/MenuBarNoticeView.h"

#include <QMenu>
#include <QWidgetAction>

namespace {

using Kind = MenuBarStatusKind;

QAction *addItem(QMenu &menu, const QString &title, const std::function<void()> &handler)
{
    QAction *item = menu.addAction(title);
    QObject::connect(item, &QAction::triggered, item, [handler] { handler(); });
    return item;
}

void addDisabledRow(QMenu &menu, const QString &text)
{
    menu.addAction(text)->setEnabled(false);
}

bool offersIntervalActions(const MenuBarMenuState &state)
{
    const Kind kind = state.presentation.kind;
    return kind == Kind::running || kind == Kind::breakSoon || kind == Kind::waitingForNaturalPause
        || (kind == Kind::meeting && state.timerRunning);
}

QString skipUnavailableTitle(const QString &enforcement)
{
    if (enforcement == QLatin1String("Hardcore"))
        return QStringLiteral("Skip Disabled - Hardcore mode");
    if (enforcement == QLatin1String("Balanced"))
        return QStringLiteral("Skip Unavailable - Daily limit reached");
    return QStringLiteral("Skip Unavailable");
}

} // namespace

MenuBarActionGroup MenuBarMenuBuilder::actionGroup(const MenuBarMenuState &state)
{
    const Kind kind = state.presentation.kind;
    if (kind == Kind::setup)
        return MenuBarActionGroup::none;
    if (state.breakOnScreen)
        return MenuBarActionGroup::skipBreakOnScreen;
    if (kind == Kind::offHours)
        return MenuBarActionGroup::none;
    if (state.pausedManually)
        return MenuBarActionGroup::resumeBreaks;
    if (state.breaksHeldByMeetingOrMedia)
        return MenuBarActionGroup::resumeAnyway;
    if (offersIntervalActions(state))
        return MenuBarActionGroup::intervalActions;
    return MenuBarActionGroup::takeBreakOnly;
}

void MenuBarMenuBuilder::build(QMenu &menu, const MenuBarMenuState &state, bool widgets,
                               std::optional<MenuBarNotice> notice,
                               LiveMenuBarStatusHeader &header, const MenuBarMenuHandlers &handlers)
{
    // clear() leaves submenus behind as children of the menu.
    qDeleteAll(menu.findChildren<QMenu *>(Qt::FindDirectChildrenOnly));
    menu.clear();
    menu.setToolTipsVisible(true);
    // A click closes the menu before the entry acts; a screen reader's press acts alone, and
    // would leave the menu open over whatever the entry brought up.
    QObject::connect(&menu, &QMenu::triggered, &menu, &QMenu::hide, Qt::UniqueConnection);
    if (notice)
        addNotice(menu, *notice, widgets);
    header.addTo(menu, widgets);
    menu.addSeparator();
    addActionGroup(menu, state, handlers);
    addTail(menu, state, handlers);
}

void MenuBarMenuBuilder::addNotice(QMenu &menu, MenuBarNotice notice, bool widgets)
{
    if (widgets) {
        auto *row = new QWidgetAction(&menu);
        row->setDefaultWidget(new MenuBarNoticeView(notice));
        menu.addAction(row);
    } else {
        addDisabledRow(menu, MenuBarNoticeView::noticeTitle(notice));
        addDisabledRow(menu, MenuBarNoticeView::noticeMessage(notice));
    }
    menu.addSeparator();
}

void MenuBarMenuBuilder::addActionGroup(QMenu &menu, const MenuBarMenuState &state,
                                        const MenuBarMenuHandlers &handlers)
{
    switch (actionGroup(state)) {
    case MenuBarActionGroup::none: return;
    case MenuBarActionGroup::skipBreakOnScreen:
        addSkipItem(menu, QStringLiteral("Skip Break"), state, handlers);
        break;
    case MenuBarActionGroup::resumeBreaks:
        addItem(menu, QStringLiteral("Resume Breaks"), handlers.resumeBreaks);
        break;
    case MenuBarActionGroup::resumeAnyway:
        addItem(menu, QStringLiteral("Resume Anyway"), handlers.resumeBreaks);
        break;
    case MenuBarActionGroup::intervalActions:
        addItem(menu, QStringLiteral("Take Break Now"), handlers.takeBreakNow);
        addSkipItem(menu, QStringLiteral("Skip Current Break"), state, handlers);
        addPauseMenu(menu, handlers);
        break;
    case MenuBarActionGroup::takeBreakOnly:
        addItem(menu, QStringLiteral("Take Break Now"), handlers.takeBreakNow);
        break;
    }
    menu.addSeparator();
}

void MenuBarMenuBuilder::addPauseMenu(QMenu &menu, const MenuBarMenuHandlers &handlers)
{
    static const std::pair<const char *, int> durations[] = {
        {"15 Minutes", 15}, {"30 Minutes", 30}, {"1 Hour", 60}, {"Indefinitely", 0}};
    QMenu *pauseMenu = menu.addMenu(QStringLiteral("Pause Reminders"));
    for (const auto &[title, minutes] : durations) {
        const auto pauseFor = handlers.pauseForDuration;
        addItem(*pauseMenu, QString::fromLatin1(title), [pauseFor, minutes] { pauseFor(minutes); });
    }
}

void MenuBarMenuBuilder::addSkipItem(QMenu &menu, const QString &title,
                                     const MenuBarMenuState &state,
                                     const MenuBarMenuHandlers &handlers)
{
    if (state.canSkip) {
        addItem(menu, title, handlers.skipBreak);
        return;
    }
    QAction *item = menu.addAction(skipUnavailableTitle(state.enforcement));
    item->setEnabled(false);
    item->setToolTip(QStringLiteral("Change this in Settings > Breaks > Enforcement."));
}

void MenuBarMenuBuilder::addTail(QMenu &menu, const MenuBarMenuState &state,
                                 const MenuBarMenuHandlers &handlers)
{
    addItem(menu, QStringLiteral("Settings…"), handlers.openSettings);
    menu.addSeparator();
    addItem(menu, QStringLiteral("Check for Updates…"), handlers.checkForUpdates);
    addItem(menu, QStringLiteral("Quit ") + state.appDisplayName, handlers.quit);
}

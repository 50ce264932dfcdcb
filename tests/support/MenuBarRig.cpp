#include "support/MenuBarRig.h"

#include "menubar/MenuBarNoticeView.h"
#include "menubar/MenuBarStatusHeaderView.h"

#include <QMenu>
#include <QWidgetAction>

namespace {

QVariantMap withTrayDefaults(QVariantMap stored, bool onboarded)
{
    if (!stored.contains(QStringLiteral("breakInterval")))
        stored.insert(QStringLiteral("breakInterval"), QVariant::fromValue(qint64(20)));
    stored.insert(QStringLiteral("hasCompletedOnboarding"), onboarded);
    return stored;
}

QString describeAction(const QAction *action)
{
    if (action->isSeparator())
        return QStringLiteral("---");
    if (const auto *row = qobject_cast<const QWidgetAction *>(action)) {
        if (qobject_cast<MenuBarStatusHeaderView *>(row->defaultWidget()))
            return QStringLiteral("[header]");
        if (qobject_cast<MenuBarNoticeView *>(row->defaultWidget()))
            return QStringLiteral("[notice]");
    }
    return action->text() + (action->isEnabled() ? QString() : QStringLiteral(" (disabled)"));
}

} // namespace

MenuBarRig::MenuBarRig(const QVariantMap &stored, bool onboarded, QDateTime start,
                       ItemFactory itemFactory)
    : timer(withTrayDefaults(stored, onboarded), std::move(start))
    , makeItem(std::move(itemFactory))
    , controller(services())
{
}

MenuBarServices MenuBarRig::services()
{
    return {
        .defaults = timer.store,
        .settings = timer.settings,
        .scheduler = timer.scheduler,
        .meetings = meetings,
        .reminders = timer.reminders,
        .hud = timer.hud,
        .clock = timer.clock,
        .notifier = timer.notifier,
        .sessionEvents = timer.sessionEvents,
        .makeStatusItem =
            [this]() -> std::unique_ptr<StatusItem> {
                if (makeItem)
                    return makeItem();
                auto item = std::make_unique<FakeStatusItem>();
                fakeItem = item.get();
                return item;
            },
        .isBreakShowing = [this] { return timer.breakShowing; },
        .skipBreakOnScreen = [this] { ++skipsOfBreakOnScreen; },
        .openSettings = [this] { ++settingsOpened; },
        .checkForUpdates = [this] { ++updateChecks; },
        .quit = [this] { ++quits; },
    };
}

MenuBarStatusPresentation MenuBarRig::presentation()
{
    return controller.statusPresentation(timer.clock.now());
}

QMenu *MenuBarRig::lastPoppedUpMenu() const
{
    if (!fakeItem || fakeItem->poppedUpMenus().isEmpty())
        return nullptr;
    return fakeItem->poppedUpMenus().constLast().menu;
}

QStringList MenuBarRig::describe(const QMenu &menu, const QString &indent)
{
    QStringList lines;
    for (const QAction *action : menu.actions()) {
        lines.append(indent + describeAction(action));
        if (const QMenu *submenu = action->menu())
            lines += describe(*submenu, indent + QStringLiteral("  "));
    }
    return lines;
}

QAction *MenuBarRig::findAction(const QMenu &menu, const QString &text)
{
    for (QAction *action : menu.actions()) {
        if (action->text() == text)
            return action;
        if (const QMenu *submenu = action->menu()) {
            if (QAction *found = findAction(*submenu, text))
                return found;
        }
    }
    return nullptr;
}

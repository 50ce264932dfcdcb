// The General, Advanced, About and Shortcuts panes whole, as the detail area lays them out:
// General as it opens, with the countdown off and with the launch-at-login tip; Advanced as it
// opens, with the battery threshold's row, while a reset runs, after a reset that failed, and
// its question before a reset; About as it opens and just after Share, printing the contrast
// of each of its small texts; Shortcuts on, off and with a key another application holds.

#include "render_settings/SettingsRenderStates.h"

#include "core/AppIcon.h"
#include "menubar/HotKeyDefinition.h"
#include "settings_ui/panes/app/AboutDetailView.h"
#include "settings_ui/panes/app/AdvancedDetailView.h"
#include "settings_ui/panes/app/GeneralDetailView.h"
#include "settings_ui/panes/app/ShortcutsDetailView.h"
#include "support/RenderTool.h"
#include "support/SettingsWindowRig.h"
#include "support/WindowShortcutRig.h"
#include "support/TestFiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include <functional>

namespace {

QAbstractButton *buttonTitled(QMessageBox &box, const QString &title)
{
    for (QAbstractButton *button : box.buttons()) {
        if (button->text() == title)
            return button;
    }
    return nullptr;
}

bool renderGeneral(SettingsRenderContext &context)
{
    const auto render = [&](const QString &name, const std::function<void(WindowShortcutRig &)> &prepare) {
        SettingsWindowRig rig;
        // The picker shows the theme the picture is drawn in.
        rig.theme.setAppTheme(context.scheme() == ColorScheme::dark ? AppTheme::dark : AppTheme::light);
        WindowShortcutRig login(rig);
        prepare(login);
        return context.save(name, context.pane(new GeneralDetailView(login.services())));
    };
    bool written = render(QStringLiteral("general"), [](WindowShortcutRig &login) {
        writeBytes(login.entryPath(), WindowShortcutRig::entryText());
    });
    written &= render(QStringLiteral("general-countdown-off"),
                      [](WindowShortcutRig &login) { login.rig.settings.setMenuBarShowTimer(false); });
    // The desktop's startup settings have switched the entry off.
    written &= render(QStringLiteral("general-login-tip"), [](WindowShortcutRig &login) {
        writeBytes(login.entryPath(), WindowShortcutRig::entryText(true));
    });
    return written;
}

// The reset's error, as one that meets a file it cannot delete.
ResetError removalError()
{
    return ResetError(ResetError::Kind::fileRemoval,
                      QStringLiteral("cannot remove ~/.local/share/Lumenpause/lumenpause_stats.json: "
                                     "Operation not permitted"));
}

void confirmReset(AdvancedDetailView &pane)
{
    pane.findChild<QAbstractButton *>(QStringLiteral("factoryReset"))->click();
    if (QMessageBox *box = pane.resetConfirmation())
        buttonTitled(*box, QStringLiteral("Reset and Quit"))->click();
    QApplication::processEvents();
}

// The pane while a reset runs, pictured from inside the reset; then, on a pane of its own
// laid out with the outcome in place, after the reset failed.
bool renderResets(SettingsRenderContext &context)
{
    SettingsWindowRig rig;
    ContentServices services = rig.services();
    AdvancedDetailView *pane = nullptr;
    QImage resetting;
    services.factoryReset = [&]() -> std::optional<ResetError> {
        resetting = renderWidget(*pane->window(), context.scale());
        return removalError();
    };
    pane = new AdvancedDetailView(services);
    context.pane(pane, [pane] { confirmReset(*pane); });

    services.factoryReset = [] { return std::optional<ResetError>(removalError()); };
    auto *failed = new AdvancedDetailView(services);
    confirmReset(*failed);
    return context.save(QStringLiteral("advanced-resetting"), resetting)
           & context.save(QStringLiteral("advanced-reset-failed"), context.pane(failed));
}

QImage resetConfirmation(SettingsRenderContext &context)
{
    SettingsWindowRig rig;
    auto *pane = new AdvancedDetailView(rig.services());
    QImage question;
    context.pane(pane, [&] {
        pane->findChild<QAbstractButton *>(QStringLiteral("factoryReset"))->click();
        QMessageBox *box = pane->resetConfirmation();
        if (!box)
            return;
        QApplication::processEvents();
        question = renderWidget(*box, context.scale());
        box->reject();
    });
    return question;
}

bool renderAdvanced(SettingsRenderContext &context)
{
    const auto pane = [](SettingsWindowRig &rig) { return new AdvancedDetailView(rig.services()); };
    bool written = context.savePanes(pane, {
        {"advanced", [](SettingsWindowRig &) {}},
        {"advanced-battery",
         [](SettingsWindowRig &rig) {
             rig.settings.setAutoSkipBatteryLow(true);
             rig.settings.setBatteryThreshold(20);
         }},
    });
    written &= renderResets(context);
    written &= context.save(QStringLiteral("advanced-reset-confirmation"), resetConfirmation(context));
    return written;
}

bool renderAbout(SettingsRenderContext &context)
{
    // The application's icon, as the running application sets it.
    const QIcon before = QApplication::windowIcon();
    QApplication::setWindowIcon(AppIcon::icon());
    const auto render = [&](const QString &name, bool share) {
        SettingsWindowRig rig;
        auto *pane = new AboutDetailView(rig.services());
        return context.save(name, context.pane(pane, [&context, name, pane, share] {
            if (share)
                pane->findChild<QAbstractButton *>(QStringLiteral("share"))->click();
            context.reportContrast(name, *pane->window());
        }));
    };
    const bool written = render(QStringLiteral("about"), false) & render(QStringLiteral("about-copied"), true);
    QApplication::setWindowIcon(before);
    return written;
}

bool renderShortcuts(SettingsRenderContext &context)
{
    const auto pane = [](SettingsWindowRig &rig) { return new ShortcutsDetailView(rig.timer.controller, false); };
    return context.savePanes(pane, {
        {"shortcuts-on", [](SettingsWindowRig &rig) { rig.timer.startRuntime(); }},
        {"shortcuts-off", [](SettingsWindowRig &rig) { rig.timer.controller.setShortcutsEnabled(false); }},
        {"shortcuts-warning",
         [](SettingsWindowRig &rig) {
             rig.timer.fakeHotKeys.refuse(HotKeyDefinition::toggleMenuBarTimer, QStringLiteral("error 10"));
             rig.timer.startRuntime();
         }},
    });
}

bool renderAppPanes(SettingsRenderContext &context)
{
    return renderGeneral(context) & renderAdvanced(context) & renderAbout(context) & renderShortcuts(context);
}

const SettingsRenderStates::Registration appPanes("app-panes", renderAppPanes);

} // namespace

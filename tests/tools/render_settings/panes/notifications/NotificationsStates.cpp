// The Notifications pane whole, as it scrolls in the window: with notices on as it opens, with
// them off, with the heads-up off and with auto-dismiss off; and a sheet per notification
// type of its preview drawing at each size, countdown on and off.

#include "render_settings/SettingsRenderStates.h"

#include "core/AppIcon.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/panes/notifications/NotificationPreviewBox.h"
#include "settings_ui/panes/notifications/NotificationsDetailView.h"
#include "support/SettingsWindowRig.h"

#include <QApplication>
#include <QVBoxLayout>

namespace {

// The preview sheets are as wide and padded as the window's detail area.
constexpr int detailWidth = 660;
constexpr int detailPadding = 20;

QWidget *previewSheet(const QString &type)
{
    auto *sheet = new QWidget;
    auto *layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(detailPadding, detailPadding, detailPadding, detailPadding);
    layout->setSpacing(8);
    for (const char *size : {"compact", "standard", "large"}) {
        for (const bool countdown : {true, false}) {
            layout->addWidget(PaneLabels::secondary(QStringLiteral("%1, countdown %2")
                                                        .arg(QLatin1String(size), countdown ? "on" : "off"),
                                                    12, QFont::Medium));
            auto *card = new SettingCard;
            auto *box = new NotificationPreviewBox({type, QLatin1String(size), countdown, 30});
            auto *padded = new QWidget;
            auto *padding = new QVBoxLayout(padded);
            padding->setContentsMargins(16, 12, 16, 12);
            padding->addWidget(box);
            card->addRow(padded);
            layout->addWidget(card);
            layout->addSpacing(8);
        }
    }
    return sheet;
}

bool renderNotifications(SettingsRenderContext &context)
{
    // The break sample wears the application's icon, as in the running application.
    const QIcon before = QApplication::windowIcon();
    QApplication::setWindowIcon(AppIcon::icon());
    const auto pane = [](SettingsWindowRig &rig) { return new NotificationsDetailView(rig.services()); };
    bool written = context.savePanes(pane, {
        {"notifications-on", [](SettingsWindowRig &) {}},
        {"notifications-off", [](SettingsWindowRig &rig) { rig.settings.setNotificationsEnabled(false); }},
        {"notifications-heads-up-off", [](SettingsWindowRig &rig) { rig.settings.setHeadsUpSeconds(0); }},
        {"notifications-auto-dismiss-off", [](SettingsWindowRig &rig) { rig.settings.setHudAutoDismiss(false); }},
    });
    for (const char *type : {"break", "typing", "posture", "blink"})
        written &= context.save(QStringLiteral("notifications-preview-") + QLatin1String(type),
                                context.sheet(previewSheet(QLatin1String(type)), detailWidth));
    QApplication::setWindowIcon(before);
    return written;
}

const SettingsRenderStates::Registration notifications("notifications", renderNotifications);

} // namespace

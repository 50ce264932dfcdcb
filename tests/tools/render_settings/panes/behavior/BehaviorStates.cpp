// The Smart Behavior and Wellness panes whole, as they scroll in the window:
// - Smart Behavior with the registered defaults, with idle detection off, under each
//   sensitivity, and with the Persistent card under the pointer;
// - Wellness as it opens by default, with the notifications warning, with every card on and
//   with every card off.

#include "render_settings/SettingsRenderStates.h"

#include "settings_ui/panes/behavior/SensitivityCard.h"
#include "settings_ui/panes/behavior/SmartPauseDetailView.h"
#include "settings_ui/panes/behavior/WellnessDetailView.h"
#include "support/RenderTool.h"
#include "support/SettingsWindowRig.h"

namespace {

// A pane of the settings window as its section makes it.
SettingsRenderContext::PaneMaker paneOf(QWidget *(*make)(const ContentServices &services))
{
    return [make](SettingsWindowRig &rig) { return make(rig.services()); };
}

void hoverPersistent(const QString &name, QWidget *pane)
{
    if (name.endsWith(QLatin1String("-hovered")))
        hoverCentre(pane->findChild<SensitivityCard *>(QStringLiteral("reminderSensitivity.Persistent")));
}

bool renderSmartBehavior(SettingsRenderContext &context)
{
    return context.savePanes(
        paneOf(&SmartPauseDetailView::make),
        {
            {"smart-defaults", [](SettingsWindowRig &) {}},
            {"smart-idle-off", [](SettingsWindowRig &rig) { rig.settings.setIdleDetectionEnabled(false); }},
            {"smart-normal", [](SettingsWindowRig &rig) { rig.settings.setReminderSensitivity("Normal"); }},
            {"smart-persistent", [](SettingsWindowRig &rig) { rig.settings.setReminderSensitivity("Persistent"); }},
            {"smart-normal-hovered", [](SettingsWindowRig &rig) { rig.settings.setReminderSensitivity("Normal"); }},
        },
        hoverPersistent);
}

bool renderWellness(SettingsRenderContext &context)
{
    return context.savePanes(
        paneOf(&WellnessDetailView::make),
        {
            {"wellness-defaults", [](SettingsWindowRig &) {}},
            {"wellness-notifications-off",
             [](SettingsWindowRig &rig) { rig.settings.setNotificationsEnabled(false); }},
            {"wellness-all-on", [](SettingsWindowRig &rig) { rig.timer.wellness.setBlinkEnabled(true); }},
            {"wellness-all-off",
             [](SettingsWindowRig &rig) {
                 rig.timer.wellness.setPostureEnabled(false);
                 rig.timer.typing.setEnabled(false);
             }},
        });
}

const SettingsRenderStates::Registration smartBehavior("smart-behavior", renderSmartBehavior);
const SettingsRenderStates::Registration wellness("wellness", renderWellness);

} // namespace

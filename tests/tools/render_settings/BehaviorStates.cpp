// The Smart Behavior, Media and Wellness panes whole, as they scroll in the window:
// - Smart Behavior with the registered defaults, with idle detection off, under each
//   sensitivity, and with the Persistent card under the pointer;
// - Media with detection off (as it opens by default), on in each state of a playback, and
//   outside office hours while playback goes on;
// - Wellness as it opens by default, with the notifications warning, with every card on and
//   with every card off.

#include "SettingsRenderStates.h"

#include "settings_ui/MediaDetailView.h"
#include "settings_ui/SensitivityCard.h"
#include "settings_ui/SmartPauseDetailView.h"
#include "settings_ui/WellnessDetailView.h"
#include "support/SettingsWindowRig.h"
#include "support/SnapshotBuilder.h"
#include "support/WellnessRig.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QVBoxLayout>

#include <functional>

namespace {

constexpr int detailWidth = 660;
constexpr int detailPadding = 20;

using Preparation = std::function<void(SettingsWindowRig &rig)>;
using PaneMaker = std::function<QWidget *(const ContentServices &services)>;
using State = std::pair<const char *, Preparation>;

const MeetingSignalSnapshot music = SnapshotBuilder().playing({"com.spotify.Client"});

QWidget *inDetailArea(QWidget *pane)
{
    auto *area = new QWidget;
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(detailPadding, detailPadding, detailPadding, detailPadding);
    layout->addWidget(pane);
    return area;
}

bool renderStates(SettingsRenderContext &context, const PaneMaker &make, std::initializer_list<State> states,
                  const std::function<void(QWidget *area)> &onScreen = {})
{
    bool written = true;
    for (const auto &[name, prepare] : states) {
        SettingsWindowRig rig;
        prepare(rig);
        QWidget *area = inDetailArea(make(rig.services()));
        const QString file = QLatin1String(name);
        written &= context.save(file, context.sheet(area, detailWidth, [&] {
            if (onScreen && file.endsWith(QLatin1String("-hovered")))
                onScreen(area);
        }));
    }
    return written;
}

// The activity signals deliver the snapshot, then again at the end of each of `seconds`.
void deliver(SettingsWindowRig &rig, const MeetingSignalSnapshot &snapshot, int seconds = 0)
{
    rig.timer.activitySignals.deliver(snapshot);
    WellnessRig::runMainThreadWork();
    for (int second = 0; second < seconds; ++second) {
        rig.timer.clock.advance(1);
        rig.timer.activitySignals.deliver(snapshot);
        WellnessRig::runMainThreadWork();
    }
}

void detectMedia(SettingsWindowRig &rig)
{
    rig.timer.scheduler.start();
    rig.timer.wellness.startRuntime();
    rig.timer.wellness.setPauseDuringMedia(true);
}

void hoverPersistent(QWidget *area)
{
    auto *card = area->findChild<SensitivityCard *>(QStringLiteral("reminderSensitivity.Persistent"));
    const QPointF inside(card->width() / 2.0, card->height() / 2.0);
    QEnterEvent enter(inside, inside, card->mapToGlobal(inside));
    QCoreApplication::sendEvent(card, &enter);
}

bool renderSmartBehavior(SettingsRenderContext &context)
{
    return renderStates(
        context, &SmartPauseDetailView::make,
        {
            {"smart-defaults", [](SettingsWindowRig &) {}},
            {"smart-idle-off", [](SettingsWindowRig &rig) { rig.settings.setIdleDetectionEnabled(false); }},
            {"smart-normal", [](SettingsWindowRig &rig) { rig.settings.setReminderSensitivity("Normal"); }},
            {"smart-persistent", [](SettingsWindowRig &rig) { rig.settings.setReminderSensitivity("Persistent"); }},
            {"smart-normal-hovered", [](SettingsWindowRig &rig) { rig.settings.setReminderSensitivity("Normal"); }},
        },
        hoverPersistent);
}

bool renderMedia(SettingsRenderContext &context)
{
    return renderStates(context, &MediaDetailView::make,
                        {
                            {"media-off", [](SettingsWindowRig &) {}},
                            {"media-inactive", detectMedia},
                            {"media-confirming",
                             [](SettingsWindowRig &rig) {
                                 detectMedia(rig);
                                 deliver(rig, music);
                             }},
                            {"media-active",
                             [](SettingsWindowRig &rig) {
                                 detectMedia(rig);
                                 deliver(rig, music, 10);
                             }},
                            {"media-ending",
                             [](SettingsWindowRig &rig) {
                                 detectMedia(rig);
                                 deliver(rig, music, 10);
                                 deliver(rig, MeetingSignalSnapshot(), 1);
                             }},
                            {"media-outside-office-hours",
                             [](SettingsWindowRig &rig) {
                                 detectMedia(rig);
                                 deliver(rig, music, 10);
                                 rig.clock.setNow(QDateTime(QDate(2025, 3, 4), QTime(20, 0)));
                                 rig.settings.setOfficeHoursEnabled(true);
                             }},
                        });
}

bool renderWellness(SettingsRenderContext &context)
{
    return renderStates(context, &WellnessDetailView::make,
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
const SettingsRenderStates::Registration media("media", renderMedia);
const SettingsRenderStates::Registration wellness("wellness", renderWellness);

} // namespace

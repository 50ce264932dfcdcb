#include "support/SettingsWindowRig.h"

#include "support/WellnessRig.h"

#include <QFile>

SettingsWindowRig::SettingsWindowRig()
    : store(folder.filePath(QStringLiteral("local.lumenpause.app.json")), clock)
    , settings(store, clock)
    , theme(store, &desktop)
    , info{{QStringLiteral("CFBundleShortVersionString"), QStringLiteral("2.4.1")}}
{
    // Onboarding done, so the window opens on its own content.
    store.setBool(QStringLiteral("hasCompletedOnboarding"), true);
    store.flush();
}

ContentServices SettingsWindowRig::services(ContentServices::OnboardingFactory makeOnboarding)
{
    ContentServices services{store, notifier, theme, std::move(makeOnboarding)};
    services.settings = settings;
    services.breakScheduler = timer.scheduler;
    services.wellness = timer.wellness;
    services.typing = timer.typing;
    services.shortcuts = timer.controller;
    services.plannedBreaks = timer.plannedBreaks;
    services.statistics = timer.statistics;
    services.clock = clock;
    services.info = info;
    return services;
}

QByteArray SettingsWindowRig::settingsFile()
{
    store.flush();
    QFile file(store.filePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void SettingsWindowRig::deliverActivity(const MeetingSignalSnapshot &snapshot, int seconds)
{
    timer.activitySignals.deliver(snapshot);
    WellnessRig::runMainThreadWork();
    for (int second = 0; second < seconds; ++second) {
        timer.clock.advance(1);
        timer.activitySignals.deliver(snapshot);
        WellnessRig::runMainThreadWork();
    }
}

void SettingsWindowRig::setAudioAvailable(bool available)
{
    timer.activitySignals.setAudioAvailable(available);
    WellnessRig::runMainThreadWork();
}

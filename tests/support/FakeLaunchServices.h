#pragma once

#include "core/AppNotifier.h"
#include "core/InMemorySettingsRepository.h"
#include "app/LaunchServices.h"
#include "support/FakeRuntimeServices.h"
#include "support/FakeSessionEvents.h"

// What a test hands the launch coordinator in place of the shared services: user defaults in
// memory, runtime services that record their steps, scripted session events and a notifier
// of its own. Fixtures derive from it, so that a test names each one directly.
struct FakeLaunchServices
{
    FakeLaunchServices() = default;
    explicit FakeLaunchServices(QVariantMap storedDefaults)
        : defaults(std::move(storedDefaults))
    {
    }

    LaunchServices services() { return LaunchServices{defaults, runtime, sessionEvents, notifier}; }

    // The steps recorded when every runtime service is started, then stopped: the break
    // timer comes up first and goes down last.
    static const QStringList &startSteps();
    static const QStringList &stopSteps();

    InMemorySettingsRepository defaults;
    FakeRuntimeServices runtime;
    FakeSessionEvents sessionEvents;
    AppNotifier notifier;
};

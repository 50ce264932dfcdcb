#include "onboarding/OnboardingServices.h"

#include "breakscreen/WindowManager.h"
#include "core/AppNotifier.h"
#include "core/AppSettings.h"
#include "core/FileSettingsRepository.h"
#include "core/RuntimeControl.h"
#include "core/SystemClock.h"
#include "detection/WellnessScheduler.h"
#include "menubar/ShortcutController.h"

#include <QCoreApplication>

OnboardingServices OnboardingServices::forApplication(const RuntimeControl &runtime)
{
    static SystemClock *const clock = new SystemClock;
    SettingsRepository &defaults = FileSettingsRepository::standard();
    return {
        *clock,
        AppSettings::shared(),
        defaults,
        AppNotifier::instance(),
        [](bool launch) { ShortcutController::shared().setLaunchAtLogin(launch); },
        [](bool pause) { WellnessScheduler::shared().setPauseDuringMeetings(pause); },
        [] {
            if (WindowManager *windows = WindowManager::shared())
                windows->settingsController().hide();
        },
        [&runtime] { return runtime.runtimeServicesStarted(); },
        // Straight out of the event loop, as the termination path expects; the usual
        // clean-up and the final settings flush still run.
        [] { QCoreApplication::exit(0); },
    };
}

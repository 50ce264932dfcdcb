#pragma once

class AppNotifier;
class RuntimeServices;
class SessionEvents;
class SettingsRepository;

// What the launch coordinator reads and drives besides the windows: the user-defaults store
// that says whether onboarding is done, the runtime services it starts and stops, the
// system's sleep and wake, and the notifier that announces the end of onboarding. The
// application hands in its shared ones; a test its own.
struct LaunchServices
{
    SettingsRepository &defaults;
    RuntimeServices &runtime;
    SessionEvents &sessionEvents;
    AppNotifier &notifier;

    static LaunchServices shared();
};

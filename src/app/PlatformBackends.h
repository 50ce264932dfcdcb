#pragma once

#include <QByteArray>

#include <memory>

class DisplayStateProvider;
class InputStateProvider;
class QDBusConnection;

// Chooses the system readings of input idle time and display state for the desktop the
// process runs in. Input idle: an X server that has XInput 2 and the screensaver
// extension, else the GNOME compositor's idle monitor on the session bus, else nothing
// (the quiet stand-in, no idle time). Display state: the X server, else nothing (always
// active). Each missing reading logs one warning; nothing here fails the start.
class PlatformBackends
{
public:
    struct Session
    {
        QByteArray x11Display; // empty: no X server
        // In a Wayland session the X server is a compatibility layer that sees only the
        // input sent to X windows and has its own screensaver, so its readings would be
        // wrong rather than missing.
        bool wayland = false;
    };
    static Session currentSession();

    PlatformBackends(const Session &session, const QDBusConnection &sessionBus);
    ~PlatformBackends();

    // Null when nothing can read them.
    InputStateProvider *inputState() const { return m_inputState.get(); }
    DisplayStateProvider *displayState() const { return m_displayState.get(); }

private:
    static std::unique_ptr<InputStateProvider> chooseInputState(const Session &session,
                                                                const QDBusConnection &bus);
    static std::unique_ptr<DisplayStateProvider> chooseDisplayState(const Session &session);

    std::unique_ptr<InputStateProvider> m_inputState;
    std::unique_ptr<DisplayStateProvider> m_displayState;
};

// Builds the readings for the running desktop once and installs them in SystemProviders.
// Call after the application object exists (the X reading watches its socket in the event
// loop) and before any scheduler is made. The battery is read from the power daemon on the
// system bus, else from the kernel's power-supply files; sleep, wake and the session's lock
// come from the login manager on the system bus and the screen saver on the session bus.
// The floating notice gets the X server's window support, and the break panels the X
// server's stacking monitor, when the toolkit draws on X; the hot keys are the X server's key
// grabs in an X session (none under Wayland or without X). The activity signals read /proc,
// the sound server, the X server's active window and the idle inhibitors of the login manager
// and the GNOME session.
void installSystemProviders();

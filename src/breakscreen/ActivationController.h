#pragma once

#include <QFlags>
#include <QObject>

#include <optional>

class AppStateStore;

// How the application presents itself to the desktop. An accessory shows nothing but its
// tray item: no window of its own is up and it has no taskbar entry. A regular application
// has a normal, managed window in front of the user.
enum class ActivationPolicy { regular, accessory };

// How firmly the application's windows hold the keyboard. With holdFocus the break panels
// take the keyboard focus and take it back whenever another window is activated; with
// grabKeyboard, in addition, no other window receives a key at all while they show.
enum class PresentationOption { holdFocus = 0x1, grabKeyboard = 0x2 };
Q_DECLARE_FLAGS(PresentationOptions, PresentationOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(PresentationOptions)

// The one place that switches the application between a background helper and a foreground
// application: for the settings window, and, holding the keyboard, for the length of a break
// ("break mode"), after which it puts back exactly what was there before. It keeps the state;
// the windows follow it. Main thread only.
class ActivationController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ActivationPolicy activationPolicy READ activationPolicy
                   NOTIFY activationPolicyChanged)
    Q_PROPERTY(PresentationOptions presentationOptions READ presentationOptions
                   NOTIFY presentationOptionsChanged)

public:
    explicit ActivationController(AppStateStore &appState, QObject *parent = nullptr);

    // The options a break holds the screen with under an enforcement mode: the panels always
    // keep the focus, and only "Hardcore" leaves no key to any other window.
    static PresentationOptions breakPresentationOptions(const QString &enforcement);

    bool isInBreakMode() const { return m_isInBreakMode; }
    // A process starts as a regular application; the launch decides whether it stays one.
    ActivationPolicy activationPolicy() const { return m_activationPolicy; }
    PresentationOptions presentationOptions() const { return m_presentationOptions; }
    // What break mode holds, while it is on; nothing outside it.
    PresentationOptions breakModeOptions() const { return m_breakModeOptions; }
    // Saved on entering break mode, cleared on leaving it.
    std::optional<ActivationPolicy> previousActivationPolicy() const { return m_previousPolicy; }
    std::optional<PresentationOptions> previousPresentationOptions() const
    {
        return m_previousOptions;
    }

    // A second call while in break mode keeps what the first one saved.
    void enterBreakMode(PresentationOptions options);
    // Puts back the policy and options saved on entry; nothing outside break mode.
    void exitBreakMode();
    // For a window the user opened. A break holds the screen, so in break mode this does
    // nothing: the break decides what comes back afterwards.
    void bringToForeground();
    // Once the application's windows are gone; does nothing in break mode, for the same reason.
    void sendToBackground();

    void setActivationPolicy(ActivationPolicy policy);
    void setPresentationOptions(PresentationOptions options);

signals:
    void activationPolicyChanged(ActivationPolicy policy);
    void presentationOptionsChanged(PresentationOptions options);

private:
    AppStateStore &m_appState;
    bool m_isInBreakMode = false;
    ActivationPolicy m_activationPolicy = ActivationPolicy::regular;
    PresentationOptions m_presentationOptions;
    PresentationOptions m_breakModeOptions;
    std::optional<ActivationPolicy> m_previousPolicy;
    std::optional<PresentationOptions> m_previousOptions;
};

#pragma once

#include "detection/MeetingSignalSource.h"
#include "platform/linux/ProcIdentities.h"
#include "platform/linux/PulseAudioSignals.h"

#include <QByteArray>

#include <memory>

class EventQueue;
class GnomeInhibitors;
class LogindInhibitors;
class X11ActiveWindow;

// The activity signals of a Linux desktop: the user's processes from /proc, audio streams
// from the sound server, and, with media signals, the active X window's process and the
// idle inhibitors of the login manager and of the GNOME session. Each part that is missing
// reads as nothing happening and says so once; the rest go on. Used on the signal queue
// only; every connection is made there when watching starts and closed when it stops.
class LinuxMeetingSignalSource : public MeetingSignalSource
{
public:
    struct Options
    {
        QByteArray procRoot = QByteArrayLiteral("/proc");
        QByteArray x11Display; // empty: no X server
        // Under Wayland the X server only sees its own clients' windows, so the window it
        // calls active would be wrong rather than missing.
        bool wayland = false;
        PulseAudioSignals::Options audio;
    };

    LinuxMeetingSignalSource(EventQueue &queue, Options options);
    ~LinuxMeetingSignalSource() override;

    void startWatching(ChangeHandler changed) override;
    void stopWatching() override;
    void setIncludeMediaSignals(bool include) override;
    void rebuildAudioListeners() override;
    void prepareReconciliation(std::function<void()> ready) override;

    QSet<QString> runningApplications() override;
    AudioActivity audioActivity() override;
    bool isDefaultInputRunning() override;
    std::optional<QString> frontmostApplication() override;
    QSet<QString> displaySleepPreventingApplications() override;
    bool isAudioAvailable() override { return m_audio.isServerReachable(); }

private:
    void openMediaSignals();
    void closeMediaSignals();
    void notifyPlain();

    EventQueue &m_queue;
    Options m_options;
    ProcIdentities m_processes;
    PulseAudioSignals m_audio;
    ChangeHandler m_changed;
    bool m_includeMedia = false;
    // Processes were listed since the last periodic reading was prepared.
    bool m_listedThisPeriod = false;
    bool m_reportedNoWindows = false;
    std::unique_ptr<X11ActiveWindow> m_activeWindow;
    std::unique_ptr<LogindInhibitors> m_logind;
    std::unique_ptr<GnomeInhibitors> m_gnome;
};

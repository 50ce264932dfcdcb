#pragma once

#include "detection/MeetingSignalSource.h"
#include "platform/linux/AudioStreamMirror.h"

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/subscribe.h>

#include <functional>
#include <memory>
#include <optional>

class EventQueue;
class ProcIdentities;
class PulseMainloop;

// Audio activity by application from the sound server (PulseAudio, or PipeWire's server
// for its clients), on the signal queue. One event subscription for playback streams,
// recording streams, input devices and the server keeps a mirror of them, listed in full on
// connecting, so that a reading asks the server nothing. Without the subscription the
// mirror is listed again before each periodic reading instead.
//
// Without a server every reading is empty and the server counts as unreachable; one warning
// says so, a new connection is tried at most every 30 s, and one line says when the server is
// back. The library never starts a server of its own.
class PulseAudioSignals
{
public:
    static constexpr double kReconnectSeconds = 30.0;

    struct Options
    {
        // Off, the mirror is kept by listings alone, as when the server refuses events.
        bool subscribe = true;
        // How long after a failed or lost connection the next one may be tried.
        double reconnectSeconds = kReconnectSeconds;
    };

    PulseAudioSignals(EventQueue &queue, ProcIdentities &processes, Options options);
    ~PulseAudioSignals();
    PulseAudioSignals(const PulseAudioSignals &) = delete;
    PulseAudioSignals &operator=(const PulseAudioSignals &) = delete;

    // On the queue. `changed` hears of every change to the mirror; `rebuild` when streams came
    // or went.
    void start(std::function<void(bool rebuild)> changed);
    void stop();
    void resolveOwners() { m_mirror.resolveOwners(); }
    void prepareReconciliation(std::function<void()> ready);

    MeetingSignalSource::AudioActivity activity() { return m_mirror.activity(); }
    bool isDefaultInputRunning() { return m_mirror.isDefaultInputRunning(); }
    // False from a failed or lost connection until a new one is made: the readings are then
    // empty for want of a server. Its return is told to `changed`; its loss only when
    // streams went with it, else the next periodic reading finds it.
    bool isServerReachable() const { return !m_unreachable; }

    // The ids this machine is known by to the sound clients: its machine id, or its host name
    // where it has none.
    static QSet<QString> localMachineIds();

    struct Listing;

private:
    void connect();
    void disconnect();
    void handleState();
    void handleReady();
    void handleLost();
    void subscribe();
    void list(std::function<void()> done);
    void finishListing();
    void handleEvent(pa_subscription_event_type_t type, uint32_t index);
    void notify(bool rebuild);

    static void stateCallback(pa_context *context, void *self);
    static void subscribeCallback(pa_context *context, int success, void *self);
    static void eventCallback(pa_context *context, pa_subscription_event_type_t type,
                              uint32_t index, void *self);
    template <bool added>
    static void playbackCallback(pa_context *, const pa_sink_input_info *info, int eol, void *self);
    template <bool added>
    static void recordingCallback(pa_context *, const pa_source_output_info *info, int eol,
                                  void *self);
    template <bool added>
    static void sourceCallback(pa_context *, const pa_source_info *info, int eol, void *self);
    static void serverCallback(pa_context *, const pa_server_info *info, void *self);

    EventQueue &m_queue;
    Options m_options;
    AudioStreamMirror m_mirror;
    std::unique_ptr<PulseMainloop> m_mainloop;
    pa_context *m_context = nullptr;
    std::function<void(bool)> m_changed;
    bool m_started = false;
    bool m_subscribed = false;
    std::unique_ptr<Listing> m_listing;
    std::optional<double> m_lastFailedAttempt;
    // Said once in the log when it begins, and once when it ends.
    bool m_unreachable = false;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

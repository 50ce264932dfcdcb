#include "platform/linux/PulseAudioSignals.h"

#include "core/EventQueue.h"
#include "core/Logger.h"
#include "platform/linux/PulseMainloop.h"

#include <QFile>
#include <QSysInfo>

#include <pulse/error.h>
#include <pulse/proplist.h>

#include <cstring>
#include <vector>

namespace {

const QString kCategory = QStringLiteral("Meeting");

QString property(const pa_proplist *properties, const char *key)
{
    const char *value = properties ? pa_proplist_gets(properties, key) : nullptr;
    return value ? QString::fromUtf8(value) : QString();
}

// PipeWire's native clients spell the key with a hyphen.
QString machineIdOf(const pa_proplist *properties)
{
    const QString id = property(properties, PA_PROP_APPLICATION_PROCESS_MACHINE_ID);
    return id.isEmpty() ? property(properties, "application.process.machine-id") : id;
}

// PulseAudio names a level meter's resampler "peaks"; PipeWire's server reports its own name
// there and marks the stream with a property instead.
bool isPeakMeter(const char *resampleMethod, const pa_proplist *properties)
{
    const QString peaks = property(properties, "resample.peaks");
    return (resampleMethod && std::strcmp(resampleMethod, "peaks") == 0)
           || peaks == QLatin1String("true") || peaks == QLatin1String("1");
}

AudioStream streamOf(uint32_t index, int corked, const char *resampleMethod,
                     const pa_proplist *properties, uint32_t source)
{
    AudioStream stream;
    stream.index = index;
    stream.corked = corked != 0;
    stream.peakMeter = isPeakMeter(resampleMethod, properties);
    stream.sourceIndex = source;
    bool ok = false;
    const int pid = property(properties, PA_PROP_APPLICATION_PROCESS_ID).toInt(&ok);
    if (ok && pid > 0)
        stream.processId = pid;
    stream.machineId = machineIdOf(properties);
    stream.binary = property(properties, PA_PROP_APPLICATION_PROCESS_BINARY);
    return stream;
}

AudioStream streamOf(const pa_sink_input_info *info)
{
    return streamOf(info->index, info->corked, info->resample_method, info->proplist,
                    AudioStream::kNoSource);
}

AudioStream streamOf(const pa_source_output_info *info)
{
    return streamOf(info->index, info->corked, info->resample_method, info->proplist, info->source);
}

AudioSource sourceOf(const pa_source_info *info)
{
    return {info->index, QString::fromUtf8(info->name), info->state == PA_SOURCE_RUNNING,
            info->monitor_of_sink != PA_INVALID_INDEX};
}

void release(pa_operation *operation)
{
    if (operation)
        pa_operation_unref(operation);
}

} // namespace

struct PulseAudioSignals::Listing
{
    QList<AudioStream> playback;
    QList<AudioStream> recording;
    QList<AudioSource> sources;
    QString defaultSource;
    int pending = 4;
    bool failed = false;
    std::vector<std::function<void()>> done;

    // The list callbacks: an item, the end (eol > 0), or a failure (eol < 0).
    template <typename Info, typename Add>
    static void item(void *self, const Info *info, int eol, Add add)
    {
        auto *audio = static_cast<PulseAudioSignals *>(self);
        Listing *listing = audio->m_listing.get();
        if (!listing)
            return;
        if (eol == 0 && info) {
            add(*listing, info);
            return;
        }
        listing->failed = listing->failed || eol < 0;
        audio->finishListing();
    }
};

PulseAudioSignals::PulseAudioSignals(EventQueue &queue, ProcIdentities &processes, Options options)
    : m_queue(queue)
    , m_options(options)
    , m_mirror(localMachineIds(), int(::getpid()), processes)
{
}

PulseAudioSignals::~PulseAudioSignals()
{
    disconnect();
}

void PulseAudioSignals::start(std::function<void(bool)> changed)
{
    m_changed = std::move(changed);
    m_started = true;
    const bool mayTry = !m_lastFailedAttempt
                        || EventQueue::monotonicSeconds() - *m_lastFailedAttempt >= m_options.reconnectSeconds;
    if (!m_context && mayTry)
        connect();
}

void PulseAudioSignals::stop()
{
    m_started = false;
    m_changed = nullptr;
    disconnect();
    m_mirror.clear();
}

void PulseAudioSignals::prepareReconciliation(std::function<void()> ready)
{
    if (!m_context) {
        if (m_lastFailedAttempt
            && EventQueue::monotonicSeconds() - *m_lastFailedAttempt >= m_options.reconnectSeconds)
            connect();
        ready();
        return;
    }
    if (m_subscribed || pa_context_get_state(m_context) != PA_CONTEXT_READY) {
        ready();
        return;
    }
    // Without events, the mirror is only as fresh as its last listing.
    list(std::move(ready));
}

void PulseAudioSignals::connect()
{
    if (!m_mainloop)
        m_mainloop = std::make_unique<PulseMainloop>(m_queue);
    m_lastFailedAttempt = EventQueue::monotonicSeconds();
    pa_proplist *properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Lumenpause");
    m_context = pa_context_new_with_proplist(m_mainloop->api(), "Lumenpause", properties);
    pa_proplist_free(properties);
    if (!m_context)
        return;
    pa_context_set_state_callback(m_context, stateCallback, this);
    // Only a server that already runs: starting one is the desktop's business.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        handleLost();
}

void PulseAudioSignals::disconnect()
{
    m_subscribed = false;
    if (m_listing) {
        std::vector<std::function<void()>> done = std::move(m_listing->done);
        m_listing.reset();
        for (auto &callback : done)
            callback();
    }
    if (!m_context)
        return;
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
}

void PulseAudioSignals::handleState()
{
    switch (pa_context_get_state(m_context)) {
    case PA_CONTEXT_READY:
        handleReady();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        // Not from inside the library's own call: the context is torn down here.
        m_queue.post([this, weak = std::weak_ptr<bool>(m_alive), context = m_context] {
            if (weak.lock() && m_context == context)
                handleLost();
        });
        break;
    default:
        break;
    }
}

void PulseAudioSignals::handleReady()
{
    if (m_unreachable)
        logInfo(kCategory, QStringLiteral("audio_server_available"));
    m_unreachable = false;
    m_lastFailedAttempt.reset();
    if (m_options.subscribe)
        subscribe();
    list([this] { notify(true); });
}

void PulseAudioSignals::handleLost()
{
    const QString reason = QString::fromUtf8(pa_strerror(pa_context_errno(m_context)));
    if (!m_unreachable) {
        logWarn(kCategory, formatLogEvent(QStringLiteral("audio_server_unavailable"),
                                          {{QStringLiteral("reason"), reason}}));
        m_unreachable = true;
    }
    if (!m_lastFailedAttempt)
        m_lastFailedAttempt = EventQueue::monotonicSeconds();
    disconnect();
    // A server that was never there changes nothing the last reading said; that it is
    // unreachable is read with the next periodic reading.
    const bool hadStreams = !m_mirror.isEmpty();
    m_mirror.clear();
    if (hadStreams)
        notify(true);
}

void PulseAudioSignals::subscribe()
{
    pa_context_set_subscribe_callback(m_context, eventCallback, this);
    const auto mask = pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SINK_INPUT
                                             | PA_SUBSCRIPTION_MASK_SOURCE_OUTPUT
                                             | PA_SUBSCRIPTION_MASK_SOURCE
                                             | PA_SUBSCRIPTION_MASK_SERVER);
    pa_operation *operation = pa_context_subscribe(m_context, mask, subscribeCallback, this);
    if (!operation)
        subscribeCallback(m_context, 0, this);
    release(operation);
}

void PulseAudioSignals::list(std::function<void()> done)
{
    if (m_listing) {
        m_listing->done.push_back(std::move(done));
        return;
    }
    m_listing = std::make_unique<Listing>();
    m_listing->done.push_back(std::move(done));
    using L = Listing;
    release(pa_context_get_sink_input_info_list(
        m_context, [](pa_context *, const pa_sink_input_info *info, int eol, void *self) {
            L::item(self, info, eol, [](L &l, const auto *i) { l.playback.append(streamOf(i)); });
        }, this));
    release(pa_context_get_source_output_info_list(
        m_context, [](pa_context *, const pa_source_output_info *info, int eol, void *self) {
            L::item(self, info, eol, [](L &l, const auto *i) { l.recording.append(streamOf(i)); });
        }, this));
    release(pa_context_get_source_info_list(
        m_context, [](pa_context *, const pa_source_info *info, int eol, void *self) {
            L::item(self, info, eol, [](L &l, const auto *i) { l.sources.append(sourceOf(i)); });
        }, this));
    release(pa_context_get_server_info(
        m_context, [](pa_context *, const pa_server_info *info, void *self) {
            // One reply, which is at once the item and the end.
            auto *audio = static_cast<PulseAudioSignals *>(self);
            if (!audio->m_listing)
                return;
            if (info)
                audio->m_listing->defaultSource = QString::fromUtf8(info->default_source_name);
            audio->m_listing->failed = audio->m_listing->failed || !info;
            audio->finishListing();
        }, this));
}

void PulseAudioSignals::finishListing()
{
    if (--m_listing->pending > 0)
        return;
    std::unique_ptr<Listing> listing = std::move(m_listing);
    if (!listing->failed) {
        m_mirror.replaceAll(listing->playback, listing->recording, listing->sources);
        m_mirror.setDefaultSourceName(listing->defaultSource);
    }
    for (auto &callback : listing->done)
        callback();
}

void PulseAudioSignals::handleEvent(pa_subscription_event_type_t type, uint32_t index)
{
    const int facility = type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
    const int kind = type & PA_SUBSCRIPTION_EVENT_TYPE_MASK;
    if (kind == PA_SUBSCRIPTION_EVENT_REMOVE) {
        if (facility == PA_SUBSCRIPTION_EVENT_SINK_INPUT)
            m_mirror.removePlaybackStream(index);
        else if (facility == PA_SUBSCRIPTION_EVENT_SOURCE_OUTPUT)
            m_mirror.removeRecordingStream(index);
        else if (facility == PA_SUBSCRIPTION_EVENT_SOURCE)
            m_mirror.removeSource(index);
        notify(true);
        return;
    }
    const bool added = kind == PA_SUBSCRIPTION_EVENT_NEW;
    switch (facility) {
    case PA_SUBSCRIPTION_EVENT_SINK_INPUT:
        release(pa_context_get_sink_input_info(
            m_context, index, added ? playbackCallback<true> : playbackCallback<false>, this));
        break;
    case PA_SUBSCRIPTION_EVENT_SOURCE_OUTPUT:
        release(pa_context_get_source_output_info(
            m_context, index, added ? recordingCallback<true> : recordingCallback<false>, this));
        break;
    case PA_SUBSCRIPTION_EVENT_SOURCE:
        release(pa_context_get_source_info_by_index(
            m_context, index, added ? sourceCallback<true> : sourceCallback<false>, this));
        break;
    case PA_SUBSCRIPTION_EVENT_SERVER:
        release(pa_context_get_server_info(m_context, serverCallback, this));
        break;
    default:
        break;
    }
}

void PulseAudioSignals::notify(bool rebuild)
{
    if (m_changed)
        m_changed(rebuild);
}

void PulseAudioSignals::stateCallback(pa_context *, void *self)
{
    static_cast<PulseAudioSignals *>(self)->handleState();
}

void PulseAudioSignals::subscribeCallback(pa_context *, int success, void *self)
{
    auto *audio = static_cast<PulseAudioSignals *>(self);
    audio->m_subscribed = success != 0;
    if (!audio->m_subscribed)
        logInfo(kCategory, QStringLiteral("Audio event subscription unavailable; reconciliation "
                                          "polling remains active"));
}

void PulseAudioSignals::eventCallback(pa_context *, pa_subscription_event_type_t type,
                                      uint32_t index, void *self)
{
    static_cast<PulseAudioSignals *>(self)->handleEvent(type, index);
}

template <bool added>
void PulseAudioSignals::playbackCallback(pa_context *, const pa_sink_input_info *info, int eol,
                                         void *self)
{
    auto *audio = static_cast<PulseAudioSignals *>(self);
    if (eol != 0 || !info)
        return;
    audio->m_mirror.setPlaybackStream(streamOf(info));
    audio->notify(added);
}

template <bool added>
void PulseAudioSignals::recordingCallback(pa_context *, const pa_source_output_info *info, int eol,
                                          void *self)
{
    auto *audio = static_cast<PulseAudioSignals *>(self);
    if (eol != 0 || !info)
        return;
    audio->m_mirror.setRecordingStream(streamOf(info));
    audio->notify(added);
}

template <bool added>
void PulseAudioSignals::sourceCallback(pa_context *, const pa_source_info *info, int eol, void *self)
{
    auto *audio = static_cast<PulseAudioSignals *>(self);
    if (eol != 0 || !info)
        return;
    audio->m_mirror.setSource(sourceOf(info));
    audio->notify(added);
}

void PulseAudioSignals::serverCallback(pa_context *, const pa_server_info *info, void *self)
{
    auto *audio = static_cast<PulseAudioSignals *>(self);
    if (!info)
        return;
    audio->m_mirror.setDefaultSourceName(QString::fromUtf8(info->default_source_name));
    audio->notify(false);
}

QSet<QString> PulseAudioSignals::localMachineIds()
{
    QSet<QString> ids;
    for (const char *path : {"/etc/machine-id", "/var/lib/dbus/machine-id"}) {
        QFile file(QString::fromLatin1(path));
        if (file.open(QIODevice::ReadOnly)) {
            const QString id = QString::fromLatin1(file.readAll().trimmed());
            if (!id.isEmpty())
                ids.insert(id);
        }
    }
    // The sound library's own fallback on a machine without an id.
    if (ids.isEmpty())
        ids.insert(QSysInfo::machineHostName());
    return ids;
}

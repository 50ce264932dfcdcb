#include "platform/linux/AudioStreamMirror.h"

#include "platform/linux/ProcIdentities.h"

AudioStreamMirror::AudioStreamMirror(QSet<QString> ourMachineIds, int ourProcessId,
                                     ProcIdentities &processes)
    : m_ourMachineIds(std::move(ourMachineIds))
    , m_ourProcessId(ourProcessId)
    , m_processes(processes)
{
}

void AudioStreamMirror::store(QHash<quint32, Entry> &entries, const AudioStream &stream)
{
    auto existing = entries.find(stream.index);
    if (existing == entries.end()) {
        entries.insert(stream.index, Entry{stream, std::nullopt});
        return;
    }
    // A change of state keeps the owner; a stream that now names another client does not.
    if (!existing->stream.sameClient(stream))
        existing->owner.reset();
    existing->stream = stream;
}

void AudioStreamMirror::setPlaybackStream(const AudioStream &stream)
{
    store(m_playback, stream);
}

void AudioStreamMirror::removePlaybackStream(quint32 index)
{
    m_playback.remove(index);
}

void AudioStreamMirror::setRecordingStream(const AudioStream &stream)
{
    store(m_recording, stream);
}

void AudioStreamMirror::removeRecordingStream(quint32 index)
{
    m_recording.remove(index);
}

void AudioStreamMirror::setSource(const AudioSource &source)
{
    m_sources.insert(source.index, source);
}

void AudioStreamMirror::removeSource(quint32 index)
{
    m_sources.remove(index);
}

void AudioStreamMirror::replaceAll(const QList<AudioStream> &playback,
                                   const QList<AudioStream> &recording,
                                   const QList<AudioSource> &sources)
{
    const auto replace = [](QHash<quint32, Entry> &entries, const QList<AudioStream> &streams) {
        QHash<quint32, Entry> previous;
        previous.swap(entries);
        for (const AudioStream &stream : streams) {
            auto kept = previous.find(stream.index);
            if (kept != previous.end())
                entries.insert(stream.index, *kept);
            store(entries, stream);
        }
    };
    replace(m_playback, playback);
    replace(m_recording, recording);
    m_sources.clear();
    for (const AudioSource &source : sources)
        m_sources.insert(source.index, source);
}

void AudioStreamMirror::clear()
{
    m_playback.clear();
    m_recording.clear();
    m_sources.clear();
    m_defaultSourceName.clear();
}

bool AudioStreamMirror::isEmpty() const
{
    return m_playback.isEmpty() && m_recording.isEmpty() && m_sources.isEmpty();
}

void AudioStreamMirror::resolveOwners()
{
    for (Entry &entry : m_playback)
        entry.owner = ownerOf(entry.stream);
    for (Entry &entry : m_recording)
        entry.owner = ownerOf(entry.stream);
}

MeetingSignalSource::AudioActivity AudioStreamMirror::activity()
{
    MeetingSignalSource::AudioActivity activity;
    for (Entry &entry : m_playback) {
        const AudioStreamOwner &owner = ownerOf(entry);
        if (!entry.stream.corked && !owner.leftOut)
            activity.outputIdentities.unite(owner.identities);
    }
    for (Entry &entry : m_recording) {
        const AudioStreamOwner &owner = ownerOf(entry);
        if (entry.stream.corked || owner.leftOut || !recordsFromInputDevice(entry.stream))
            continue;
        activity.anyStreamRecords = true;
        activity.inputIdentities.unite(owner.identities);
    }
    return activity;
}

bool AudioStreamMirror::isDefaultInputRunning()
{
    const AudioSource *device = nullptr;
    for (const AudioSource &source : std::as_const(m_sources)) {
        if (source.name == m_defaultSourceName)
            device = &source;
    }
    if (!device || !device->running || device->monitor)
        return false;
    int recording = 0;
    int leftOut = 0;
    for (Entry &entry : m_recording) {
        if (entry.stream.corked || entry.stream.sourceIndex != device->index)
            continue;
        ++recording;
        leftOut += ownerOf(entry).leftOut ? 1 : 0;
    }
    // Running with no stream of its own is someone recording past the server's streams.
    return recording == 0 || leftOut < recording;
}

AudioStreamOwner AudioStreamMirror::ownerOf(const AudioStream &stream) const
{
    AudioStreamOwner owner;
    const bool trusted = stream.processId && !stream.binary.isEmpty()
                         && m_ourMachineIds.contains(stream.machineId)
                         && m_processes.executableName(*stream.processId) == stream.binary;
    owner.leftOut = stream.peakMeter || (trusted && *stream.processId == m_ourProcessId);
    if (trusted)
        owner.identities = m_processes.identitiesOf(*stream.processId);
    // The process may have ended since it opened the stream.
    if (owner.identities.isEmpty() && !stream.binary.isEmpty())
        owner.identities = {QStringLiteral("bin:") + stream.binary};
    return owner;
}

const AudioStreamOwner &AudioStreamMirror::ownerOf(Entry &entry)
{
    if (!entry.owner)
        entry.owner = ownerOf(entry.stream);
    return *entry.owner;
}

// A stream whose device is not known yet is taken at its word.
bool AudioStreamMirror::recordsFromInputDevice(const AudioStream &stream) const
{
    const auto source = m_sources.constFind(stream.sourceIndex);
    return source == m_sources.constEnd() || !source->monitor;
}

#pragma once

#include "detection/MeetingSignalSource.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <optional>

class ProcIdentities;

// One playback or recording stream as the sound server describes it.
struct AudioStream
{
    static constexpr quint32 kNoSource = 0xffffffffu;

    quint32 index = 0;
    bool corked = false;
    // A level meter's stream (a mixer's peak display): it records nothing anyone hears.
    bool peakMeter = false;
    // What a recording stream records from.
    quint32 sourceIndex = kNoSource;
    // As the client reported them about itself.
    std::optional<int> processId;
    QString machineId;
    QString binary;

    bool sameClient(const AudioStream &other) const
    {
        return processId == other.processId && machineId == other.machineId
               && binary == other.binary;
    }
};

struct AudioSource
{
    quint32 index = 0;
    QString name;
    bool running = false;
    // The monitor of a playback device, which records what is played, not a microphone.
    bool monitor = false;
};

// Who a stream belongs to: its identities, or left out (a level meter, or our own sound).
struct AudioStreamOwner
{
    bool leftOut = false;
    QSet<QString> identities;
};

// The sound server's streams and input devices as last heard, kept by its events, so that
// reading the audio activity costs the server nothing. Who owns a stream is worked out when
// the stream list changes, not at every reading.
class AudioStreamMirror
{
public:
    // `ourMachineIds`: the ids this machine is known by; `ourProcessId`: the process whose
    // own streams are left out.
    AudioStreamMirror(QSet<QString> ourMachineIds, int ourProcessId, ProcIdentities &processes);

    void setPlaybackStream(const AudioStream &stream);
    void removePlaybackStream(quint32 index);
    void setRecordingStream(const AudioStream &stream);
    void removeRecordingStream(quint32 index);
    void setSource(const AudioSource &source);
    void removeSource(quint32 index);
    void setDefaultSourceName(const QString &name) { m_defaultSourceName = name; }
    // Everything at once, as a full listing gives it.
    void replaceAll(const QList<AudioStream> &playback, const QList<AudioStream> &recording,
                    const QList<AudioSource> &sources);
    void clear();
    bool isEmpty() const;

    // Works out every stream's owner again.
    void resolveOwners();
    // Playback of uncorked streams; recording of uncorked streams from devices other than
    // monitors; neither counts the streams left out.
    MeetingSignalSource::AudioActivity activity();
    // The default source is a running input device, and not only for streams left out.
    bool isDefaultInputRunning();

    // A client's pid counts only when it was reported from this machine and names the
    // program the client says it is: a sandboxed client reports a pid of its own namespace,
    // which here may be anyone's. Otherwise the client is known by its binary's name alone.
    AudioStreamOwner ownerOf(const AudioStream &stream) const;

private:
    struct Entry
    {
        AudioStream stream;
        std::optional<AudioStreamOwner> owner;
    };

    static void store(QHash<quint32, Entry> &entries, const AudioStream &stream);
    const AudioStreamOwner &ownerOf(Entry &entry);
    bool recordsFromInputDevice(const AudioStream &stream) const;

    QSet<QString> m_ourMachineIds;
    int m_ourProcessId;
    ProcIdentities &m_processes;
    QHash<quint32, Entry> m_playback;
    QHash<quint32, Entry> m_recording;
    QHash<quint32, AudioSource> m_sources;
    QString m_defaultSourceName;
};

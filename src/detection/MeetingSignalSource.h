#pragma once

#include <QSet>
#include <QString>

#include <functional>
#include <optional>

// The platform's side of the activity signals: who runs, who plays or records audio, which
// window is in front and who keeps the display awake, with the events that tell when any of
// it changed. MeetingSignalMonitor calls it on its own executor only, and it calls back
// there. Applications are named by their identities (see MeetingSignalSnapshot).
class MeetingSignalSource
{
public:
    // A change was seen. `rebuild`: audio streams came or went, so who owns each stream has
    // to be worked out again before the next reading.
    using ChangeHandler = std::function<void(bool rebuild)>;

    struct AudioActivity
    {
        QSet<QString> inputIdentities;
        QSet<QString> outputIdentities;
        // Some stream records, whether or not its owner is known.
        bool anyStreamRecords = false;
    };

    virtual ~MeetingSignalSource() = default;

    // Starts listening for changes; the handler is called until stopWatching().
    virtual void startWatching(ChangeHandler changed) = 0;
    // Removes every listener and connection startWatching() or the media signals made.
    virtual void stopWatching() = 0;
    // While watching: whether the frontmost window and the display-sleep inhibitors are
    // followed too.
    virtual void setIncludeMediaSignals(bool include) = 0;
    // Works out again who owns each audio stream.
    virtual void rebuildAudioListeners() = 0;
    // Called before each periodic reading; `ready` runs (at once, or once fresh readings
    // have arrived) when the reading may be taken. A newer call replaces a waiting one.
    virtual void prepareReconciliation(std::function<void()> ready) = 0;

    virtual QSet<QString> runningApplications() = 0;
    virtual AudioActivity audioActivity() = 0;
    // The default input device is running for someone other than the streams left out.
    virtual bool isDefaultInputRunning() = 0;
    virtual std::optional<QString> frontmostApplication() = 0;
    virtual QSet<QString> displaySleepPreventingApplications() = 0;
    // False while the audio readings cannot be had at all (no sound server answers): they are
    // then empty for want of a server, not for silence. Asked with every reading, so a change
    // needs no change event of its own.
    virtual bool isAudioAvailable() = 0;
};

#pragma once

#include "detection/MeetingSignalSource.h"

// A signal source whose readings the test sets and whose change events it fires; it counts
// what the monitor asks of it.
class FakeMeetingSignalSource : public MeetingSignalSource
{
public:
    QSet<QString> running;
    AudioActivity audio;
    bool defaultInputRunning = false;
    std::optional<QString> frontmost;
    QSet<QString> displaySleepPreventing;
    bool audioAvailable = true;
    // When set, a reconciliation waits for releaseReconciliation().
    bool holdReconciliation = false;

    int startWatchingCalls = 0;
    int stopWatchingCalls = 0;
    int rebuildCalls = 0;
    int defaultInputReads = 0;
    int runningReads = 0;
    bool includeMediaSignals = false;

    bool isWatching() const { return bool(m_changed); }
    // As the platform reports a change; does nothing while not watching.
    void emitChange(bool rebuild);
    void releaseReconciliation();

    void startWatching(ChangeHandler changed) override;
    void stopWatching() override;
    void setIncludeMediaSignals(bool include) override { includeMediaSignals = include; }
    void rebuildAudioListeners() override { ++rebuildCalls; }
    void prepareReconciliation(std::function<void()> ready) override;
    QSet<QString> runningApplications() override
    {
        ++runningReads;
        return running;
    }
    AudioActivity audioActivity() override { return audio; }
    bool isDefaultInputRunning() override;
    std::optional<QString> frontmostApplication() override { return frontmost; }
    QSet<QString> displaySleepPreventingApplications() override { return displaySleepPreventing; }
    bool isAudioAvailable() override { return audioAvailable; }

private:
    ChangeHandler m_changed;
    std::function<void()> m_waitingReconciliation;
};

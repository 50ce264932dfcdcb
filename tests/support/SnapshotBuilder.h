#pragma once

#include "detection/MeetingSignalSnapshot.h"

#include <QStringList>

// Activity snapshots for tests, built up by what the applications do:
// SnapshotBuilder().recording({"bin:zoom"}).playing({"com.spotify.Client"}). Recording and
// playing applications also count as running, as a monitor sees them.
class SnapshotBuilder
{
public:
    SnapshotBuilder &running(const QStringList &identities)
    {
        for (const QString &identity : identities)
            m_snapshot.runningBundleIdentifiers.insert(identity);
        return *this;
    }
    SnapshotBuilder &recording(const QStringList &identities)
    {
        running(identities);
        for (const QString &identity : identities)
            m_snapshot.inputBundleIdentifiers.insert(identity);
        m_snapshot.isAnyInputActive = true;
        return *this;
    }
    // The audio process records, but its application is not among the running ones.
    SnapshotBuilder &recordingUnlaunched(const QStringList &identities)
    {
        for (const QString &identity : identities)
            m_snapshot.inputBundleIdentifiers.insert(identity);
        m_snapshot.isAnyInputActive = true;
        return *this;
    }
    // Some process without an identity records.
    SnapshotBuilder &anonymousRecording()
    {
        m_snapshot.isAnyInputActive = true;
        return *this;
    }
    SnapshotBuilder &playing(const QStringList &identities)
    {
        running(identities);
        for (const QString &identity : identities)
            m_snapshot.outputBundleIdentifiers.insert(identity);
        return *this;
    }
    SnapshotBuilder &playingUnlaunched(const QStringList &identities)
    {
        for (const QString &identity : identities)
            m_snapshot.outputBundleIdentifiers.insert(identity);
        return *this;
    }
    // Holds the display awake.
    SnapshotBuilder &inhibiting(const QStringList &identities)
    {
        running(identities);
        for (const QString &identity : identities)
            m_snapshot.displaySleepPreventingBundleIdentifiers.insert(identity);
        return *this;
    }
    SnapshotBuilder &frontmost(const QString &identity)
    {
        running({identity});
        m_snapshot.frontmostBundleIdentifier = identity;
        return *this;
    }

    operator MeetingSignalSnapshot() const { return m_snapshot; }
    MeetingSignalSnapshot snapshot() const { return m_snapshot; }

private:
    MeetingSignalSnapshot m_snapshot;
};

#pragma once

#include "core/Clock.h"
#include "core/SettingsRepository.h"

#include <QObject>

#include <mutex>

// The application's user-defaults store on disk: the persistent domain as one readable JSON
// object, a setting a line, in $XDG_CONFIG_HOME/lumenpause/local.lumenpause.app.json (mode
// 0600, folder 0700). Assignments change memory at once; the file is rewritten atomically at
// most once per second, and at once by flush(). A file that cannot be read or parsed, and
// anything that is not a regular file of sensible size, is set aside as
// "<name>.corrupt-<timestamp>" and the domain starts empty; it is never overwritten. A
// domain grown past what would be read back is not written: the last good file stays.
class FileSettingsRepository : public QObject, public SettingsRepository
{
    Q_OBJECT

public:
    static constexpr double flushDelaySeconds = 1.0;
    // The largest file read, and so the largest written. The settings window bounds every
    // value but the number of planned breaks: a break takes about 260 bytes with its
    // fired-today entry, at most about 1.1 kB with the longest name the field can hold, so
    // 20,000 breaks take 5 MB and even 20,000 of the longest 22 MB. A larger file is not read
    // into memory.
    static constexpr qint64 maxFileBytes = 32 * 1024 * 1024;

    FileSettingsRepository(QString filePath, Clock &clock, QObject *parent = nullptr);
    ~FileSettingsRepository() override; // flushes what is pending

    // The process-wide store at the standard location, on the system clock; made on first use.
    static FileSettingsRepository &standard();
    static QString standardFilePath();
    // Whether standard() has been made, so that a quit can flush it without creating it.
    static bool isStandardCreated();

    QString filePath() const { return m_filePath; }

    QVariant object(const QString &key) const override;
    QVariant registeredObject(const QString &key) const override;
    void setObject(const QString &key, const QVariant &value) override;
    void removeObject(const QString &key) override;
    void registerDefaults(const QVariantMap &defaults) override;
    QVariantMap persistentDomain() const override;
    void removePersistentDomain() override;
    void flush() override;

private:
    void load();
    void setAsideUnusableFile(const QString &reason);
    // Asks the object's own thread to schedule the coalesced write: the clock is only ever
    // used there, while assignments may come from any thread.
    void requestFlush();
    void scheduleFlush();
    void writeIfDirty();

    QString m_filePath;
    Clock &m_clock;
    mutable std::mutex m_mutex; // guards the members down to m_fileBlocked
    QVariantMap m_store;
    QVariantMap m_defaults;
    bool m_dirty = false;
    // The file could be neither used nor moved aside: it is left alone and nothing is
    // written over it for the rest of the run.
    bool m_fileBlocked = false;
    // Held around a whole write, so that snapshots reach the disk in the order they were
    // taken; taken before m_mutex when both are needed.
    std::mutex m_writeMutex;
    bool m_writeFailureLogged = false; // guarded by m_writeMutex
    CancellableHandle m_pendingFlush;  // touched on the object's own thread only
};

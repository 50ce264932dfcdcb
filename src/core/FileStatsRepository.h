#pragma once

#include "core/StatsRepository.h"

#include <QString>
#include <QUrl>

#include <functional>

class Clock;

// The statistics history as one compact JSON array in the application's own folder under
// the user's data folder ($XDG_DATA_HOME/<application folder>/<file name>), folder 0700 and
// file 0600. A file that exists but cannot be read or decoded is moved aside as
// "<name>.corrupt-<timestamp>" and the history starts empty; when it cannot even be moved,
// it is left exactly as it is and nothing is written over it for the rest of the run. A save
// that fails, or that would write more than is ever read back, is a WARN, once for each
// different reason, and the first save that works again says so. A clear removes the file,
// or empties it where it cannot be removed; when it can do neither, or the file is one it
// could not read, it says why. Main thread only.
class FileStatsRepository : public StatsRepository
{
public:
    // The largest file read, and so the largest written. Thirty days take at most 21 kB; the
    // rest is room for the days kept after today, which only a clock set back or a
    // hand-made file brings: a decade of them takes under 3 MB, and the sparsest hand-made
    // records grow about twentyfold when written out whole. A larger file is not read into
    // memory.
    static constexpr qint64 maxFileBytes = 16 * 1024 * 1024;

    // The folder that receives the application's folder; empty when there is none.
    using BaseFolder = std::function<QString()>;

    FileStatsRepository(QString fileName, Clock &clock, BaseFolder baseFolder = standardBaseFolder);

    // The user's data folder, $XDG_DATA_HOME or ~/.local/share.
    static QString standardBaseFolder();

    QString fileName() const { return m_fileName; }
    // Worked out anew on every use, so the folder is made, or set back to 0700 when its
    // permissions were widened, before each load, save and clear. Empty when there is no
    // data folder.
    QUrl fileURL() const;

    QList<DayStat> load() override;
    SaveResult save(const QList<DayStat> &days) override;
    ClearResult clear() override;

private:
    void setAsideUnusableFile(const QString &path, const QString &reason);
    SaveResult saveFailed(const QString &error);
    void saveSucceeded();

    QString m_fileName;
    Clock &m_clock;
    BaseFolder m_baseFolder;
    // A file that could be neither used nor moved aside: it holds history we could not
    // read, so it is never overwritten or removed.
    QString m_blockedPath;
    // Since the last save that worked: how many failed, and the reason last reported.
    int m_failedSaves = 0;
    QString m_reportedSaveError;
};

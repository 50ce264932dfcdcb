#include "core/FileStatsRepository.h"

#include "core/AppConfiguration.h"
#include "core/AtomicFile.h"
#include "core/Clock.h"
#include "core/Logger.h"
#include "core/UserFolders.h"

#include <QFileInfo>

namespace {

const QString logCategory = QStringLiteral("StatsRepo");

// A dangling link counts as present: it is something in the way, not an absent file.
bool somethingAt(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString blockedFileReason()
{
    return QStringLiteral("the file could not be read and is left as it is");
}

} // namespace

FileStatsRepository::FileStatsRepository(QString fileName, Clock &clock, BaseFolder baseFolder)
    : m_fileName(std::move(fileName))
    , m_clock(clock)
    , m_baseFolder(std::move(baseFolder))
{
}

QString FileStatsRepository::standardBaseFolder()
{
    return UserFolders::standard().data;
}

QUrl FileStatsRepository::fileURL() const
{
    const QString base = m_baseFolder ? m_baseFolder() : QString();
    if (base.isEmpty())
        return {};
    const QString folder = base + QLatin1Char('/') + applicationSupportFolderName();
    // A failure here shows up as the failure of the read or write that follows.
    AtomicFile::makePrivateFolder(folder);
    return QUrl::fromLocalFile(folder + QLatin1Char('/') + m_fileName);
}

QList<DayStat> FileStatsRepository::load()
{
    const QString path = fileURL().toLocalFile();
    if (path.isEmpty())
        return {};
    const AtomicFile::ReadResult file = AtomicFile::read(path, maxFileBytes);
    if (file.status == AtomicFile::ReadResult::Status::absent)
        return {};
    if (file.status == AtomicFile::ReadResult::Status::unusable) {
        setAsideUnusableFile(path, QStringLiteral("unreadable: ") + file.error);
        return {};
    }
    QString error;
    std::optional<QList<DayStat>> days = decodeDayStats(file.bytes, &error);
    if (!days) {
        setAsideUnusableFile(path, QStringLiteral("undecodable: ") + error);
        return {};
    }
    m_blockedPath.clear();
    return *std::move(days);
}

StatsRepository::SaveResult FileStatsRepository::save(const QList<DayStat> &days)
{
    const QString path = fileURL().toLocalFile();
    if (path.isEmpty())
        return saveFailed(QStringLiteral("there is no data folder"));
    if (path == m_blockedPath) {
        // Logged when it was found; the history stays in memory.
        return {false, blockedFileReason()};
    }
    QString error;
    if (!AtomicFile::write(path, encodeDayStats(days), maxFileBytes, &error))
        return saveFailed(error);
    saveSucceeded();
    return {};
}

StatsRepository::ClearResult FileStatsRepository::clear()
{
    const QString path = fileURL().toLocalFile();
    if (path.isEmpty() || !somethingAt(path))
        return {};
    if (path == m_blockedPath) {
        const QString reason = blockedFileReason();
        logInfo(logCategory, QStringLiteral("Clear failed: ") + reason);
        return {false, reason};
    }
    QString error;
    if (AtomicFile::remove(path, &error))
        return {};
    logInfo(logCategory, QStringLiteral("Clear failed: ") + error);
    // Whatever stopped the removal, the statistics must not survive a clear: an empty
    // history in its place says the same as no file.
    QString emptyingError;
    if (AtomicFile::write(path, QByteArrayLiteral("[]"), maxFileBytes, &emptyingError))
        return {};
    logInfo(logCategory,
            QStringLiteral("Clear failed: cannot empty the file either: ") + emptyingError);
    // The removal's reason is the one the user can act on (a read-only folder, a locked file).
    return {false, error};
}

// Every completed break of the run is lost while saves fail, so the user must hear of it;
// a failure that repeats itself on every recording is said once.
StatsRepository::SaveResult FileStatsRepository::saveFailed(const QString &error)
{
    ++m_failedSaves;
    if (error != m_reportedSaveError) {
        m_reportedSaveError = error;
        logWarn(logCategory, QStringLiteral("Save failed: ") + error);
    }
    return {false, error};
}

void FileStatsRepository::saveSucceeded()
{
    if (m_failedSaves == 0)
        return;
    logInfo(logCategory, formatLogEvent(QStringLiteral("stats_saved_again"),
                                        {{QStringLiteral("failedSaves"),
                                          QString::number(m_failedSaves)}}));
    m_failedSaves = 0;
    m_reportedSaveError.clear();
}

void FileStatsRepository::setAsideUnusableFile(const QString &path, const QString &reason)
{
    QString error;
    if (const auto movedTo = AtomicFile::setAside(path, m_clock.now(), &error)) {
        m_blockedPath.clear();
        logWarn(logCategory, formatLogEvent(QStringLiteral("stats_file_set_aside"),
                                            {{QStringLiteral("path"), path},
                                             {QStringLiteral("movedTo"), *movedTo},
                                             {QStringLiteral("reason"), reason}}));
        return;
    }
    if (path == m_blockedPath)
        return; // warned once already
    m_blockedPath = path;
    logWarn(logCategory, formatLogEvent(QStringLiteral("stats_file_kept_in_memory"),
                                        {{QStringLiteral("path"), path},
                                         {QStringLiteral("reason"), reason},
                                         {QStringLiteral("error"), error}}));
}

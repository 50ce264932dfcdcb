#include "core/FileStatsRepository.h"

#include "core/AppConfiguration.h"
#include "core/AtomicFile.h"
#include "core/Clock.h"
#include "core/Logger.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString logCategory = QStringLiteral("StatsRepo");

// A dangling link counts as present: it is something in the way, not an absent file.
bool somethingAt(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
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
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
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
    if (path.isEmpty() || !somethingAt(path))
        return {};
    // Only a regular file is opened: a pipe put in its place would block start-up.
    if (!QFileInfo(path).isFile()) {
        setAsideUnusableFile(path, QStringLiteral("not a regular file"));
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setAsideUnusableFile(path, QStringLiteral("unreadable: ") + file.errorString());
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setAsideUnusableFile(path, QStringLiteral("unreadable: ") + file.errorString());
        return {};
    }
    QString error;
    std::optional<QList<DayStat>> days = decodeDayStats(bytes, &error);
    if (!days) {
        setAsideUnusableFile(path, QStringLiteral("undecodable: ") + error);
        return {};
    }
    m_blockedPath.clear();
    return *std::move(days);
}

void FileStatsRepository::save(const QList<DayStat> &days)
{
    const QString path = fileURL().toLocalFile();
    if (path.isEmpty()) {
        logInfo(logCategory, QStringLiteral("Save failed: there is no data folder"));
        return;
    }
    if (path == m_blockedPath)
        return; // already reported when it was found; the history stays in memory
    QString error;
    if (!AtomicFile::write(path, encodeDayStats(days), &error))
        logInfo(logCategory, QStringLiteral("Save failed: ") + error);
}

void FileStatsRepository::clear()
{
    const QString path = fileURL().toLocalFile();
    if (path.isEmpty() || !somethingAt(path))
        return;
    if (path == m_blockedPath) {
        logInfo(logCategory,
                QStringLiteral("Clear failed: the file could not be read and is left as it is"));
        return;
    }
    QFile file(path);
    if (file.remove())
        return;
    logInfo(logCategory, QStringLiteral("Clear failed: ") + file.errorString());
    // Whatever stopped the removal, the statistics must not survive a clear: an empty
    // history in its place says the same as no file.
    QString error;
    if (!AtomicFile::write(path, QByteArrayLiteral("[]"), &error)) {
        logInfo(logCategory,
                QStringLiteral("Clear failed: cannot empty the file either: ") + error);
    }
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

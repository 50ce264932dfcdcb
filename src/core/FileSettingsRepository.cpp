#include "core/FileSettingsRepository.h"

#include "core/AtomicFile.h"
#include "core/Logger.h"
#include "core/SystemClock.h"
#include "core/UserFolders.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

#include <atomic>

namespace {

const QString logCategory = QStringLiteral("Settings");

std::atomic<bool> standardCreated{false};

// JSON to stored values. A null, as a hand-edited file may hold, reads as absent: such
// entries are dropped from objects, so typed reads fall back to the registered value.
QVariant fromJson(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Object: {
        QVariantMap map;
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            QVariant entry = fromJson(it.value());
            if (entry.isValid())
                map.insert(it.key(), std::move(entry));
        }
        return map;
    }
    case QJsonValue::Array: {
        QVariantList list;
        const QJsonArray array = value.toArray();
        for (const QJsonValue &element : array)
            list.append(fromJson(element));
        return list;
    }
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        return QVariant();
    default:
        // Whole numbers come back as qint64 and fractions as double.
        return value.toVariant();
    }
}

// A value as compact JSON text; Qt writes documents only, so it goes through a one-element
// array.
QByteArray compactJson(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

// One setting a line, as a person reads and edits the file, each value compact within its
// line: indenting the inside of a long list (thousands of planned breaks) more than doubles
// the file. Any JSON reader takes it, and files written indented throughout read as well.
QByteArray encodeDomain(const QVariantMap &domain)
{
    const QJsonObject object = QJsonObject::fromVariantMap(domain);
    QByteArray bytes = "{\n";
    for (auto it = object.begin(); it != object.end(); ++it) {
        bytes += "    " + compactJson(it.key()) + ": " + compactJson(it.value());
        bytes += std::next(it) == object.end() ? "\n" : ",\n";
    }
    return bytes + "}\n";
}

} // namespace

FileSettingsRepository::FileSettingsRepository(QString filePath, Clock &clock, QObject *parent)
    : QObject(parent)
    , m_filePath(std::move(filePath))
    , m_clock(clock)
{
    load();
}

FileSettingsRepository::~FileSettingsRepository()
{
    flush();
}

FileSettingsRepository &FileSettingsRepository::standard()
{
    // Never destroyed: other threads may still read settings while the process exits, and
    // the application flushes it at quit itself.
    static FileSettingsRepository *instance = [] {
        auto *clock = new SystemClock;
        auto *store = new FileSettingsRepository(standardFilePath(), *clock);
        // Its timers must run on the thread with the event loop, whichever thread asked first.
        auto *app = QCoreApplication::instance();
        if (app && app->thread() != QThread::currentThread()) {
            clock->moveToThread(app->thread());
            store->moveToThread(app->thread());
        }
        standardCreated = true;
        return store;
    }();
    return *instance;
}

QString FileSettingsRepository::standardFilePath()
{
    const QString config = UserFolders::standard().config;
    // No file rather than one at the root of the file system.
    if (config.isEmpty())
        return QString();
    return config + QLatin1String("/lumenpause/local.lumenpause.app.json");
}

bool FileSettingsRepository::isStandardCreated()
{
    return standardCreated;
}

QVariant FileSettingsRepository::object(const QString &key) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_store.constFind(key);
    if (it != m_store.cend())
        return *it;
    return m_defaults.value(key);
}

QVariant FileSettingsRepository::registeredObject(const QString &key) const
{
    std::lock_guard lock(m_mutex);
    return m_defaults.value(key);
}

void FileSettingsRepository::setObject(const QString &key, const QVariant &value)
{
    // Memory holds what the file will give back after a restart (int as qint64, string
    // lists as lists), so a value reads the same before and after.
    const QVariant stored = fromJson(QJsonValue::fromVariant(value));
    {
        std::lock_guard lock(m_mutex);
        if (stored.isValid())
            m_store.insert(key, stored);
        else
            m_store.remove(key);
        m_dirty = true;
    }
    requestFlush();
}

void FileSettingsRepository::removeObject(const QString &key)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_store.remove(key) == 0)
            return;
        m_dirty = true;
    }
    requestFlush();
}

void FileSettingsRepository::registerDefaults(const QVariantMap &defaults)
{
    std::lock_guard lock(m_mutex);
    m_defaults.insert(defaults);
}

QVariantMap FileSettingsRepository::persistentDomain() const
{
    std::lock_guard lock(m_mutex);
    return m_store;
}

void FileSettingsRepository::removePersistentDomain()
{
    std::lock_guard writeLock(m_writeMutex);
    bool blocked = false;
    {
        std::lock_guard lock(m_mutex);
        m_store.clear();
        // Nothing is left to write, so a pending flush or the flush at quit cannot bring
        // the file back.
        m_dirty = false;
        blocked = m_fileBlocked;
    }
    if (QThread::currentThread() == thread())
        m_pendingFlush.reset();
    // A file that could not be moved aside is not ours to delete.
    if (blocked || !QFileInfo::exists(m_filePath))
        return;
    QFile file(m_filePath);
    if (!file.remove()) {
        logWarn(logCategory, formatLogEvent(QStringLiteral("settings_file_remove_failed"),
                                            {{QStringLiteral("path"), m_filePath},
                                             {QStringLiteral("error"), file.errorString()}}));
    }
}

void FileSettingsRepository::flush()
{
    if (QThread::currentThread() == thread())
        m_pendingFlush.reset();
    // From another thread the pending write stays scheduled; it will find nothing to do.
    writeIfDirty();
}

void FileSettingsRepository::load()
{
    const AtomicFile::ReadResult file = AtomicFile::read(m_filePath, maxFileBytes);
    if (file.status == AtomicFile::ReadResult::Status::absent)
        return;
    if (file.status == AtomicFile::ReadResult::Status::unusable) {
        setAsideUnusableFile(QStringLiteral("unreadable: ") + file.error);
        return;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        setAsideUnusableFile(QStringLiteral("unparseable: ") + parseError.errorString());
        return;
    }
    if (!document.isObject()) {
        setAsideUnusableFile(QStringLiteral("unparseable: not a JSON object"));
        return;
    }
    std::lock_guard lock(m_mutex);
    m_store = fromJson(document.object()).toMap();
}

void FileSettingsRepository::setAsideUnusableFile(const QString &reason)
{
    QString error;
    if (const auto movedTo = AtomicFile::setAside(m_filePath, m_clock.now(), &error)) {
        logWarn(logCategory, formatLogEvent(QStringLiteral("settings_file_set_aside"),
                                            {{QStringLiteral("path"), m_filePath},
                                             {QStringLiteral("movedTo"), *movedTo},
                                             {QStringLiteral("reason"), reason}}));
        return;
    }
    std::lock_guard lock(m_mutex);
    m_fileBlocked = true;
    logWarn(logCategory, formatLogEvent(QStringLiteral("settings_file_kept_in_memory"),
                                        {{QStringLiteral("path"), m_filePath},
                                         {QStringLiteral("reason"), reason},
                                         {QStringLiteral("error"), error}}));
}

void FileSettingsRepository::requestFlush()
{
    if (QThread::currentThread() == thread())
        scheduleFlush();
    else
        QMetaObject::invokeMethod(this, [this] { scheduleFlush(); }, Qt::QueuedConnection);
}

void FileSettingsRepository::scheduleFlush()
{
    // One write per delay: later changes ride along with the write already scheduled.
    if (m_pendingFlush)
        return;
    {
        std::lock_guard lock(m_mutex);
        if (!m_dirty || m_fileBlocked)
            return;
    }
    m_pendingFlush = m_clock.schedule(flushDelaySeconds, false, [this] {
        const CancellableHandle spent = std::move(m_pendingFlush);
        writeIfDirty();
    });
}

void FileSettingsRepository::writeIfDirty()
{
    std::lock_guard writeLock(m_writeMutex);
    QVariantMap snapshot;
    {
        std::lock_guard lock(m_mutex);
        if (!m_dirty || m_fileBlocked)
            return;
        snapshot = m_store;
        m_dirty = false;
    }
    const QByteArray bytes = encodeDomain(snapshot);
    QString error;
    // A domain too large to be read back is refused like a full disk: the last file that can
    // be read stays, and memory goes on with every value.
    if (AtomicFile::makePrivateFolder(QFileInfo(m_filePath).absolutePath(), &error)
        && AtomicFile::write(m_filePath, bytes, maxFileBytes, &error)) {
        m_writeFailureLogged = false;
        return;
    }
    {
        // Kept for the next change's write or the flush at quit.
        std::lock_guard lock(m_mutex);
        m_dirty = true;
    }
    if (!m_writeFailureLogged) {
        m_writeFailureLogged = true;
        logWarn(logCategory, formatLogEvent(QStringLiteral("settings_write_failed"),
                                            {{QStringLiteral("path"), m_filePath},
                                             {QStringLiteral("error"), error}}));
    }
}

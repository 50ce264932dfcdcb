#include "platform/linux/ProcIdentities.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <optional>

namespace {

// The kernel's flag for its own threads, in the ninth field of /proc/<pid>/stat.
constexpr unsigned long kKernelThreadFlag = 0x00200000;
// The kernel keeps a process name in 16 bytes, the last one the terminator.
constexpr qsizetype kProcessNameLength = 15;

QByteArray readSmallFile(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    QByteArray text;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, got);
    ::close(fd);
    return text;
}

std::optional<long> parseNumber(QByteArrayView text)
{
    long value = 0;
    const auto [end, error] = std::from_chars(text.begin(), text.end(), value);
    if (error != std::errc() || end == text.begin())
        return std::nullopt;
    return value;
}

// The real uid from /proc/<pid>/status.
std::optional<uid_t> realUid(const QByteArray &status)
{
    const qsizetype at = status.indexOf("\nUid:");
    if (at < 0)
        return std::nullopt;
    const QByteArray rest = status.mid(at + 5, 32).trimmed();
    const std::optional<long> uid = parseNumber(rest.left(rest.indexOf('\t')));
    return uid ? std::optional<uid_t>(uid_t(*uid)) : std::nullopt;
}

struct StatFields
{
    QByteArray name;
    unsigned long flags = 0;
};

// "<pid> (<name>) <state> <ppid> <pgrp> <session> <tty> <tpgid> <flags> ...": the name may
// hold spaces and parentheses, so it ends at the last closing one.
std::optional<StatFields> parseStat(const QByteArray &stat)
{
    const qsizetype open = stat.indexOf('(');
    const qsizetype close = stat.lastIndexOf(')');
    if (open < 0 || close < open)
        return std::nullopt;
    const QList<QByteArray> fields = stat.mid(close + 1).simplified().split(' ');
    if (fields.size() < 7)
        return std::nullopt;
    StatFields result;
    result.name = stat.mid(open + 1, close - open - 1);
    result.flags = fields[6].toULong();
    return result;
}

// systemd writes a "-" inside a name as "\x2d", and other bytes the same way.
QString unescapeUnitName(const QByteArray &escaped)
{
    QByteArray plain;
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        bool ok = false;
        if (escaped[i] == '\\' && i + 3 < escaped.size() && escaped[i + 1] == 'x') {
            const int byte = escaped.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                plain.append(char(byte));
                i += 3;
            }
        }
        if (!ok)
            plain.append(escaped[i]);
    }
    return QString::fromUtf8(plain);
}

QString applicationIdOfUnit(const QByteArray &unit)
{
    QByteArray name;
    qsizetype idPartsWithoutLauncher = 0;
    if (unit.endsWith(".scope")) {
        name = unit.chopped(6); // app[-<launcher>]-<id>-<random>
        idPartsWithoutLauncher = 3;
    } else if (unit.endsWith(".service")) {
        name = unit.chopped(8); // app[-<launcher>]-<id>[@<random>]
        if (const qsizetype at = name.indexOf('@'); at >= 0)
            name.truncate(at);
        idPartsWithoutLauncher = 2;
    } else {
        return {};
    }
    const QList<QByteArray> parts = name.split('-');
    if (parts.first() != "app" || parts.size() < idPartsWithoutLauncher
        || parts.size() > idPartsWithoutLauncher + 1
        || std::any_of(parts.begin(), parts.end(), [](const QByteArray &p) { return p.isEmpty(); }))
        return {};
    return unescapeUnitName(parts[parts.size() == idPartsWithoutLauncher ? 1 : 2]);
}

// The unified hierarchy's line, else the systemd one of the older split hierarchy.
QByteArray unitPath(const QByteArray &cgroupText)
{
    QByteArray legacy;
    for (const QByteArray &line : cgroupText.split('\n')) {
        if (line.startsWith("0::"))
            return line.mid(3);
        const qsizetype named = line.indexOf(":name=systemd:");
        if (named >= 0)
            legacy = line.mid(named + 14);
    }
    return legacy;
}

} // namespace

ProcIdentities::ProcIdentities(QByteArray procRoot, uid_t uid)
    : m_root(std::move(procRoot))
    , m_uid(uid)
{
}

QSet<QString> ProcIdentities::runningIdentities()
{
    // Listing the folder costs the kernel more than all the rest here together, as it looks
    // each entry up afresh. The folder's link count follows the number of processes, so
    // while it stays put and no new pid waits to count, the last listing still holds; but a
    // process that ends while another starts leaves the count as it was, so a listing is
    // never skipped more than a few times in a row.
    const std::optional<nlink_t> links = linkCount();
    if (links && links == m_lastLinks && !m_waiting && m_skippedListings < kMaxSkippedListings) {
        ++m_skippedListings;
        return m_lastRunning;
    }
    m_skippedListings = 0;
    m_lastLinks = links;
    std::vector<int> pids = listPids();
    if (pids == m_lastPids && !m_waiting)
        return m_lastRunning;
    QHash<int, QSet<QString>> known;
    known.reserve(qsizetype(pids.size()));
    QSet<QString> running;
    m_waiting = false;
    for (int pid : pids) {
        auto kept = m_known.find(pid);
        if (kept == m_known.end() && !m_lastPids.empty()
            && !std::binary_search(m_lastPids.begin(), m_lastPids.end(), pid)) {
            m_waiting = true;
            continue;
        }
        const QSet<QString> ids = kept != m_known.end() ? *kept : readIdentities(pid);
        running.unite(ids);
        known.insert(pid, ids);
    }
    m_known = std::move(known);
    m_lastPids = std::move(pids);
    m_lastRunning = running;
    return running;
}

QSet<QString> ProcIdentities::identitiesOf(int pid)
{
    auto kept = m_known.find(pid);
    if (kept == m_known.end())
        kept = m_known.insert(pid, readIdentities(pid));
    return *kept;
}

void ProcIdentities::forgetListing()
{
    m_known.clear();
    m_lastPids.clear();
    m_lastRunning.clear();
    m_waiting = false;
    m_lastLinks.reset();
    m_skippedListings = 0;
}

QString ProcIdentities::executableName(int pid) const
{
    char target[4096];
    const ssize_t length = ::readlink(pathOf(pid, "exe").constData(), target, sizeof target);
    if (length <= 0)
        return {};
    QByteArray path(target, length);
    // An executable replaced on disk while running (a package upgrade) reads so.
    if (path.endsWith(" (deleted)"))
        path.chop(10);
    return QString::fromUtf8(path.mid(path.lastIndexOf('/') + 1));
}

QString ProcIdentities::applicationIdFromCgroup(const QByteArray &cgroupText)
{
    // A process may sit in a sub-group of its unit; the unit is the innermost "app-" one.
    const QList<QByteArray> components = unitPath(cgroupText).split('/');
    for (auto it = components.rbegin(); it != components.rend(); ++it) {
        if (it->startsWith("app-")) {
            const QString id = applicationIdOfUnit(*it);
            if (!id.isEmpty())
                return id;
        }
    }
    return {};
}

QSet<QString> ProcIdentities::readIdentities(int pid) const
{
    const std::optional<uid_t> uid = realUid(readSmallFile(pathOf(pid, "status")));
    const std::optional<StatFields> stat = parseStat(readSmallFile(pathOf(pid, "stat")));
    if (!uid || *uid != m_uid || !stat || (stat->flags & kKernelThreadFlag))
        return {};
    QSet<QString> ids;
    const QString applicationId = applicationIdFromCgroup(readSmallFile(pathOf(pid, "cgroup")));
    if (!applicationId.isEmpty())
        ids.insert(applicationId);
    const QString executable = executableName(pid);
    if (!executable.isEmpty())
        ids.insert(QStringLiteral("bin:") + executable);
    // A name cut to the kernel's length is the executable's own, not another.
    const QString name = QString::fromUtf8(stat->name);
    const bool truncated = name.size() == kProcessNameLength && executable.startsWith(name);
    if (!name.isEmpty() && name != executable && !truncated)
        ids.insert(QStringLiteral("bin:") + name);
    return ids;
}

std::vector<int> ProcIdentities::listPids() const
{
    std::vector<int> pids;
    DIR *folder = ::opendir(m_root.constData());
    if (!folder)
        return pids;
    while (const dirent *entry = ::readdir(folder)) {
        const char *name = entry->d_name;
        const char *end = name + std::strlen(name);
        int pid = 0;
        const auto [parsedTo, error] = std::from_chars(name, end, pid);
        if (error == std::errc() && parsedTo == end && pid > 0)
            pids.push_back(pid);
    }
    ::closedir(folder);
    std::sort(pids.begin(), pids.end());
    return pids;
}

std::optional<nlink_t> ProcIdentities::linkCount() const
{
    struct stat folder{};
    if (::stat(m_root.constData(), &folder) != 0)
        return std::nullopt;
    return folder.st_nlink;
}

QByteArray ProcIdentities::pathOf(int pid, const char *entry) const
{
    return m_root + '/' + QByteArray::number(pid) + '/' + entry;
}

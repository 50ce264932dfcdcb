#include "core/RandomIndex.h"

#include "core/Logger.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>

namespace {

__extension__ using UInt128 = unsigned __int128;

// Falling back is not an error, but it must never happen unnoticed: each step down is
// logged once per process, with the reason, so a broken random source shows in the log.
void warnFallbackOnce(std::atomic<bool> &warned, const char *from, const char *to, int error)
{
    if (warned.exchange(true))
        return;
    logWarn(QStringLiteral("General"),
            formatLogEvent(QStringLiteral("random_source_fallback"),
                           {{QStringLiteral("from"), QString::fromLatin1(from)},
                            {QStringLiteral("to"), QString::fromLatin1(to)},
                            {QStringLiteral("error"), QString::fromLocal8Bit(std::strerror(error))}}));
}

// getrandom() may return fewer bytes than asked or be interrupted by a signal; both are
// retried. Any other failure (an old kernel, a seccomp filter) hands over to the next source.
bool fillFromGetrandom(unsigned char *buffer, size_t length, int &error)
{
    size_t filled = 0;
    while (filled < length) {
        const ssize_t got = ::getrandom(buffer + filled, length - filled, 0);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            return false;
        }
        filled += static_cast<size_t>(got);
    }
    return true;
}

bool fillFromUrandom(unsigned char *buffer, size_t length, int &error)
{
    const int fd = ::open("/dev/urandom", O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return false;
    }
    size_t filled = 0;
    bool ok = true;
    while (filled < length) {
        const ssize_t got = ::read(fd, buffer + filled, length - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            // End of file from a device that should never end counts as a failure too.
            error = got < 0 ? errno : EIO;
            ok = false;
            break;
        }
        filled += static_cast<size_t>(got);
    }
    ::close(fd);
    return ok;
}

std::uint64_t systemRandomBits()
{
    static std::atomic<bool> warnedGetrandom{false};
    static std::atomic<bool> warnedUrandom{false};

    std::uint64_t bits = 0;
    auto *buffer = reinterpret_cast<unsigned char *>(&bits);
    int error = 0;
    if (fillFromGetrandom(buffer, sizeof bits, error))
        return bits;
    warnFallbackOnce(warnedGetrandom, "getrandom", "/dev/urandom", error);
    if (fillFromUrandom(buffer, sizeof bits, error))
        return bits;
    warnFallbackOnce(warnedUrandom, "/dev/urandom", "random_device", error);

    // The last resort; it throws rather than hand out predictable numbers.
    thread_local std::random_device device;
    static_assert(sizeof(std::random_device::result_type) == 4);
    return (static_cast<std::uint64_t>(device()) << 32) | device();
}

} // namespace

qsizetype randomIndexFrom(qsizetype n, const std::function<std::uint64_t()> &nextBits)
{
    if (n <= 0) {
        logError(QStringLiteral("General"),
                 formatLogEvent(QStringLiteral("random_index_invalid_bound"),
                                {{QStringLiteral("n"), QString::number(n)}}));
        return 0;
    }
    // The high half of bits * n maps the 2^64 draws onto [0, n) almost evenly; the draws
    // whose low half falls below (2^64 - n) mod n are exactly the surplus that would make
    // some results more likely, so those are drawn again.
    const auto bound = static_cast<std::uint64_t>(n);
    const std::uint64_t threshold = (std::uint64_t{0} - bound) % bound;
    for (;;) {
        const UInt128 product = static_cast<UInt128>(nextBits()) * bound;
        if (static_cast<std::uint64_t>(product) >= threshold)
            return static_cast<qsizetype>(product >> 64);
    }
}

qsizetype randomIndex(qsizetype n)
{
    return randomIndexFrom(n, systemRandomBits);
}

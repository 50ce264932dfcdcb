#include "platform/linux/AccountHome.h"

#include <QFile>

#include <cerrno>
#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace {

constexpr size_t kFirstBufferBytes = 4096;
constexpr size_t kLargestBufferBytes = 1 << 20;

} // namespace

QString accountHomeFolder()
{
    // The entry's strings live in the caller's buffer, which grows while the lookup asks.
    for (size_t size = kFirstBufferBytes; size <= kLargestBufferBytes; size *= 4) {
        std::vector<char> buffer(size);
        passwd entry = {};
        passwd *found = nullptr;
        const int error = ::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found);
        if (error == ERANGE)
            continue;
        if (error != 0 || !found || !found->pw_dir)
            return {};
        return QFile::decodeName(found->pw_dir);
    }
    return {};
}

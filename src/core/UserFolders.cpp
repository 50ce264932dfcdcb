#include "core/UserFolders.h"

#include <QDir>

namespace {

// An absolute path as Qt gives the home: cleaned, so that "/home/u/" and "/home/u" are one.
QString usableHome(const QString &path)
{
    return QDir::isAbsolutePath(path) ? QDir::cleanPath(path) : QString();
}

} // namespace

UserFolders UserFolders::resolve(const Environment &environment, const AccountHome &accountHome)
{
    UserFolders folders;
    folders.home = usableHome(environment("HOME"));
    if (folders.home.isEmpty()) {
        folders.home = usableHome(accountHome());
        folders.homeFromAccount = !folders.home.isEmpty();
    }
    // A base variable's value is kept as given, as Qt keeps it, so the files stay where
    // earlier runs put them.
    const auto base = [&](const char *variable, const char *inHome) {
        const QString value = environment(variable);
        if (QDir::isAbsolutePath(value))
            return value;
        if (!value.isEmpty())
            folders.ignored.insert(QString::fromLatin1(variable), value);
        return folders.home.isEmpty() ? QString() : folders.home + QLatin1String(inHome);
    };
    folders.config = base("XDG_CONFIG_HOME", "/.config");
    folders.data = base("XDG_DATA_HOME", "/.local/share");
    folders.cache = base("XDG_CACHE_HOME", "/.cache");
    folders.state = base("XDG_STATE_HOME", "/.local/state");
    if (const QString runtime = environment("XDG_RUNTIME_DIR");
        !runtime.isEmpty() && !QDir::isAbsolutePath(runtime)) {
        folders.ignored.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    }
    return folders;
}

UserFolders UserFolders::standard()
{
    return resolve([](const char *variable) { return qEnvironmentVariable(variable); },
                   [] { return QString(); });
}

#include "app/UserFolderSetup.h"

#include "core/Logger.h"
#include "platform/linux/AccountHome.h"

#include <QFile>

namespace {

const QString category = QStringLiteral("Launch");

} // namespace

UserFolderSetup UserFolderSetup::settle()
{
    const auto environment = [](const char *variable) { return qEnvironmentVariable(variable); };
    UserFolderSetup setup{UserFolders::resolve(environment, accountHomeFolder),
                          qEnvironmentVariable("HOME")};
    if (setup.folders.homeFromAccount)
        qputenv("HOME", QFile::encodeName(setup.folders.home));
    for (auto it = setup.folders.ignored.cbegin(); it != setup.folders.ignored.cend(); ++it)
        qunsetenv(it.key().toLatin1().constData());
    return setup;
}

QString UserFolderSetup::missingHomeMessage() const
{
    const QString home = givenHome.isEmpty() ? QStringLiteral("HOME is not set")
                                             : QStringLiteral("HOME=%1 is not an absolute path").arg(givenHome);
    return QStringLiteral("Lumenpause needs a home folder for its settings: %1, and the user "
                          "account names no home either")
        .arg(home);
}

void UserFolderSetup::logRepairs() const
{
    if (folders.homeFromAccount) {
        const QString given = givenHome.isEmpty() ? QStringLiteral("(unset)") : givenHome;
        logWarn(category, formatLogEvent(QStringLiteral("home_from_account"),
                                         {{QStringLiteral("HOME"), given}}));
    }
    if (!folders.ignored.isEmpty())
        logWarn(category, formatLogEvent(QStringLiteral("relative_xdg_paths_ignored"), folders.ignored));
}

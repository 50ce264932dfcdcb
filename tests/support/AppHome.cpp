#include "support/AppHome.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const char *const folders[] = {"home", "config", "data", "cache", "state", "runtime"};

} // namespace

AppHome::AppHome()
    : AppHome(QDir::homePath())
{
}

AppHome::AppHome(const QString &parentFolder)
    : m_root(parentFolder + QStringLiteral("/app-home-XXXXXX"))
{
    if (!m_root.isValid())
        return;
    for (const char *name : folders)
        QDir().mkpath(folder(name));
    // The runtime folder must be private, or Qt refuses it.
    QFile::setPermissions(folder("runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QString AppHome::folder(const char *name) const
{
    return m_root.filePath(QString::fromLatin1(name));
}

QProcessEnvironment AppHome::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString servicesRuntime = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (!servicesRuntime.isEmpty() && !environment.contains(QStringLiteral("PULSE_SERVER"))) {
        environment.insert(QStringLiteral("PULSE_SERVER"),
                           QStringLiteral("unix:") + servicesRuntime + QStringLiteral("/pulse/native"));
    }
    environment.insert(QStringLiteral("HOME"), folder("home"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder("config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), folder("data"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), folder("cache"));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), folder("state"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder("runtime"));
    return environment;
}

QString AppHome::settingsFilePath() const
{
    return folder("config") + QStringLiteral("/lumenpause/local.lumenpause.app.json");
}

QString AppHome::statisticsFilePath() const
{
    return folder("data") + QStringLiteral("/Lumenpause/lumenpause_stats.json");
}

qint64 AppHome::statisticsTotal(const QString &counter) const
{
    QFile file(statisticsFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isArray())
        return -1;
    qint64 total = 0;
    for (const QJsonValue &day : document.array())
        total += day.toObject().value(counter).toInteger();
    return total;
}

bool AppHome::writeSettings(const QVariantMap &settings) const
{
    QDir().mkpath(folder("config") + QStringLiteral("/lumenpause"));
    QFile file(settingsFilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray json = QJsonDocument(QJsonObject::fromVariantMap(settings)).toJson();
    return file.write(json) == json.size();
}

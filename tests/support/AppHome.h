#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>
#include <QVariantMap>

// A home of its own for the application under test: HOME and the XDG folders in a fresh
// folder inside the test services' home, so that runs share no settings, statistics or lock.
// The session and system buses, the X server and the audio server stay those of the services.
class AppHome
{
public:
    AppHome();
    // Made in another folder than the test services' home, such as one another account can
    // reach.
    explicit AppHome(const QString &parentFolder);

    bool isValid() const { return m_root.isValid(); }
    // The test's environment with this home's folders; audio still reaches the services'
    // server, which listens in their runtime folder.
    QProcessEnvironment environment() const;

    // Writes the user-defaults file the application reads at start.
    bool writeSettings(const QVariantMap &settings) const;
    QString settingsFilePath() const;
    QString statisticsFilePath() const;
    // The sum of one counter over every day in the statistics file; -1 when it cannot be read.
    qint64 statisticsTotal(const QString &counter) const;

private:
    QString folder(const char *name) const;

    QTemporaryDir m_root;
};

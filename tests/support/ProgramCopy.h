#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A system program copied under another name and run from there, as a stand-in for an
// application the detectors know by its executable's name (pacat as "zoom", xev as "vlc").
// Killed when it goes out of scope, however the test ends.
class ProgramCopy
{
public:
    ProgramCopy(const QString &program, const QString &name);
    ~ProgramCopy();
    ProgramCopy(const ProgramCopy &) = delete;
    ProgramCopy &operator=(const ProgramCopy &) = delete;

    // False when the copy could not be made or did not start.
    bool start(const QStringList &arguments);
    void kill();
    qint64 processId() const { return m_process.processId(); }

private:
    QTemporaryDir m_folder;
    QString m_path;
    QProcess m_process;
};

#pragma once

#include <QProcess>
#include <QString>

// A stand-in service on the private session bus (python-dbusmock): one object with one
// interface, whose methods the test adds. Stopped when it goes out of scope, however the
// test ends.
class DBusMockService
{
public:
    DBusMockService(const QString &service, const QString &path, const QString &interface);
    ~DBusMockService();

    // False when the mock did not come up in time.
    bool waitUntilOnTheBus();
    // `code` is the Python body of the method (for example "ret = 42"). Returns the error
    // text, empty on success.
    QString addMethod(const QString &name, const QString &inSignature,
                      const QString &outSignature, const QString &code);
    // False when the name is still on the bus after the deadline.
    bool stop();

private:
    QString m_service;
    QString m_path;
    QString m_interface;
    QProcess m_process;
};

#pragma once

#include <QProcess>
#include <QString>
#include <QVariantList>

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
    // Emits a signal of the mock's interface from its object. Returns the error text.
    QString emitSignal(const QString &name, const QString &signature,
                       const QVariantList &arguments);
    // Calls a method of the mock's control interface (UpdateProperties, AddObject, ...) on
    // one of its objects. Returns the error text, empty on success.
    QString callMock(const QString &objectPath, const QString &method,
                     const QVariantList &arguments);
    // False when the name is still on the bus after the deadline.
    bool stop();

private:
    QString m_service;
    QString m_path;
    QString m_interface;
    QProcess m_process;
};

#pragma once

#include <QMap>
#include <QString>
#include <QTemporaryDir>

// A stand-in for the kernel's power-supply folder: one sub-folder per supply holding its
// attribute files, as the kernel lays them out.
class SysfsBatteryFixture
{
public:
    using Attributes = QMap<QString, QString>; // file name -> content, newline added

    SysfsBatteryFixture();

    bool isValid() const { return m_folder.isValid(); }
    QString root() const;

    // Writes the supply's files; false when the folder could not be made.
    bool addSupply(const QString &name, const Attributes &attributes);
    // As the kernel does it: the entry is a link to the device's folder elsewhere.
    bool addLinkedSupply(const QString &name, const Attributes &attributes);

    // An internal battery with the kernel's own percentage.
    static Attributes battery(int capacity);

private:
    static bool writeSupply(const QString &folder, const Attributes &attributes);

    QTemporaryDir m_folder;
};

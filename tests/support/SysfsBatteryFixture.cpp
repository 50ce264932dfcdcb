#include "support/SysfsBatteryFixture.h"

#include <QDir>
#include <QFile>

SysfsBatteryFixture::SysfsBatteryFixture()
{
    QDir(m_folder.path()).mkpath(QStringLiteral("class/power_supply"));
}

QString SysfsBatteryFixture::root() const
{
    return m_folder.filePath(QStringLiteral("class/power_supply"));
}

bool SysfsBatteryFixture::addSupply(const QString &name, const Attributes &attributes)
{
    return writeSupply(QDir(root()).filePath(name), attributes);
}

bool SysfsBatteryFixture::addLinkedSupply(const QString &name, const Attributes &attributes)
{
    const QString device = m_folder.filePath(QStringLiteral("devices/") + name);
    return writeSupply(device, attributes) && QFile::link(device, QDir(root()).filePath(name));
}

SysfsBatteryFixture::Attributes SysfsBatteryFixture::battery(int capacity)
{
    return {{QStringLiteral("type"), QStringLiteral("Battery")},
            {QStringLiteral("present"), QStringLiteral("1")},
            {QStringLiteral("status"), QStringLiteral("Discharging")},
            {QStringLiteral("capacity"), QString::number(capacity)}};
}

bool SysfsBatteryFixture::writeSupply(const QString &folder, const Attributes &attributes)
{
    if (!QDir().mkpath(folder))
        return false;
    for (auto it = attributes.cbegin(); it != attributes.cend(); ++it) {
        QFile file(QDir(folder).filePath(it.key()));
        if (!file.open(QIODevice::WriteOnly) || file.write((it.value() + '\n').toLatin1()) < 0)
            return false;
    }
    return true;
}

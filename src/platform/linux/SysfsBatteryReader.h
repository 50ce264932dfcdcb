#pragma once

#include "platform/linux/BatteryReader.h"

#include <QString>

class QDir;

// The charge of the first internal battery among the kernel's power supplies, in name
// order: a supply of type "Battery" that is not a peripheral's (scope "Device") and not an
// empty bay (present "0"). The level is the kernel's own percentage when it gives one,
// else the energy or the charge against its full value. Used where no power daemon runs.
class SysfsBatteryReader : public BatteryReader
{
public:
    static QString defaultRoot(); // "/sys/class/power_supply"

    explicit SysfsBatteryReader(QString root = defaultRoot());

    QString root() const { return m_root; }
    // Tests point the reader at a folder of their own.
    void setRoot(const QString &root) { m_root = root; }

    std::optional<int> readLevel() override;

private:
    static bool isInternalBattery(const QDir &supply);
    static std::optional<int> levelOf(const QDir &supply);

    QString m_root;
};

#pragma once

#include "platform/linux/BatteryReader.h"

#include <QDBusConnection>
#include <QDeadlineTimer>
#include <QVariantMap>

// The charge of the first internal battery that the power daemon on the system bus lists:
// a device of the battery kind that powers the machine and is present. Peripherals (mice,
// keyboards, headsets) and uninterruptible power supplies are passed over.
//
// Readings are plain blocking calls with a short overall deadline: the caller is the main
// thread, and a daemon that hangs must cost it at most that long. Without a bus or a daemon
// the reader gives nothing and logs one warning in its lifetime.
class UPowerBatteryReader : public BatteryReader
{
public:
    explicit UPowerBatteryReader(QDBusConnection bus = QDBusConnection::systemBus());

    std::optional<int> readLevel() override;

private:
    std::optional<QStringList> devicePaths(const QDeadlineTimer &deadline);
    std::optional<QVariantMap> deviceProperties(const QString &path,
                                                const QDeadlineTimer &deadline);
    void warnUnavailable(const QString &reason);

    QDBusConnection m_bus;
    bool m_warned = false;
};

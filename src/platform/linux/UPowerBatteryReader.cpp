#include "platform/linux/UPowerBatteryReader.h"

#include "core/Logger.h"
#include "platform/linux/BatteryPercent.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

#include <limits>
#include <utility>

namespace {

const QString kService = QStringLiteral("org.freedesktop.UPower");
const QString kPath = QStringLiteral("/org/freedesktop/UPower");
const QString kDeviceInterface = QStringLiteral("org.freedesktop.UPower.Device");
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kCategory = QStringLiteral("BreakScheduler");

// The whole reading, every device included: a break that falls due must not wait longer
// on a daemon that does not answer.
constexpr int kReadDeadlineMs = 1000;
// The daemon's device kind for a battery (others are line power, UPS, mouse, ...).
constexpr qint64 kBatteryKind = 2;
// Values arrive as variants; some services wrap them more than once.
constexpr int kMaxVariantDepth = 4;

QVariant unwrapped(QVariant value)
{
    const QMetaType wrapped = QMetaType::fromType<QDBusVariant>();
    for (int depth = 0; depth < kMaxVariantDepth && value.metaType() == wrapped; ++depth)
        value = value.value<QDBusVariant>().variant();
    return value;
}

std::optional<qint64> integerFrom(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return value.toLongLong();
    case QMetaType::ULongLong: {
        const qulonglong number = value.toULongLong();
        return number <= qulonglong(std::numeric_limits<qint64>::max())
                   ? std::optional<qint64>(qint64(number))
                   : std::nullopt;
    }
    default: return std::nullopt;
    }
}

std::optional<double> numberFrom(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<double>())
        return value.toDouble();
    if (const std::optional<qint64> integer = integerFrom(value))
        return double(*integer);
    return std::nullopt;
}

std::optional<bool> boolFrom(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<bool>())
        return value.toBool();
    return std::nullopt;
}

// The level of a device when it is the machine's own battery and its charge can be read.
std::optional<int> internalBatteryLevel(const QVariantMap &properties)
{
    if (integerFrom(unwrapped(properties.value(QStringLiteral("Type")))) != kBatteryKind)
        return std::nullopt;
    // A battery that does not power the machine belongs to a peripheral.
    if (boolFrom(unwrapped(properties.value(QStringLiteral("PowerSupply")))) != true)
        return std::nullopt;
    // Only an explicit "not present" (an empty bay) rules the battery out.
    if (boolFrom(unwrapped(properties.value(QStringLiteral("IsPresent")))) == false)
        return std::nullopt;
    const std::optional<double> percentage =
        numberFrom(unwrapped(properties.value(QStringLiteral("Percentage"))));
    return percentage ? roundedBatteryPercent(*percentage) : std::nullopt;
}

} // namespace

UPowerBatteryReader::UPowerBatteryReader(QDBusConnection bus)
    : m_bus(std::move(bus))
{
}

std::optional<int> UPowerBatteryReader::readLevel()
{
    if (!m_bus.isConnected()) {
        warnUnavailable(QStringLiteral("no system bus"));
        return std::nullopt;
    }
    const QDeadlineTimer deadline(kReadDeadlineMs);
    const std::optional<QStringList> paths = devicePaths(deadline);
    if (!paths)
        return std::nullopt;
    for (const QString &path : *paths) {
        // A device that vanished since the listing, or answers oddly, is passed over.
        const std::optional<QVariantMap> properties = deviceProperties(path, deadline);
        if (!properties)
            continue;
        if (const std::optional<int> level = internalBatteryLevel(*properties))
            return level;
    }
    return std::nullopt;
}

std::optional<QStringList> UPowerBatteryReader::devicePaths(const QDeadlineTimer &deadline)
{
    const QDBusMessage call = QDBusMessage::createMethodCall(
        kService, kPath, kService, QStringLiteral("EnumerateDevices"));
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, int(deadline.remainingTime()));
    if (reply.type() != QDBusMessage::ReplyMessage) {
        warnUnavailable(reply.errorMessage());
        return std::nullopt;
    }
    if (reply.signature() != QLatin1String("ao")) {
        warnUnavailable(QStringLiteral("unexpected device list"));
        return std::nullopt;
    }
    const auto objects =
        qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().constFirst());
    QStringList paths;
    for (const QDBusObjectPath &object : objects)
        paths.append(object.path());
    return paths;
}

std::optional<QVariantMap> UPowerBatteryReader::deviceProperties(const QString &path,
                                                                 const QDeadlineTimer &deadline)
{
    const qint64 remainingMs = deadline.remainingTime();
    if (remainingMs <= 0)
        return std::nullopt;
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, path, kPropertiesInterface, QStringLiteral("GetAll"));
    call.setArguments({kDeviceInterface});
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, int(remainingMs));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.signature() != QLatin1String("a{sv}"))
        return std::nullopt;
    return qdbus_cast<QVariantMap>(reply.arguments().constFirst());
}

void UPowerBatteryReader::warnUnavailable(const QString &reason)
{
    // Machines without the daemon are common; the kernel's own files are read instead, so
    // saying it once is enough.
    if (std::exchange(m_warned, true))
        return;
    logWarn(kCategory, formatLogEvent(QStringLiteral("battery_daemon_unavailable"),
                                      {{QStringLiteral("reason"), reason}}));
}

#include "platform/linux/SysfsBatteryReader.h"

#include "platform/linux/BatteryPercent.h"

#include <QDir>
#include <QFile>

namespace {

// Attribute files hold one short value; a page is all the kernel ever hands out.
constexpr qint64 kMaxAttributeBytes = 4096;

// The attribute's text without its trailing newline; a null string when it cannot be read
// (some drivers fail reads of attributes the hardware does not support).
QString attribute(const QDir &supply, const QString &name)
{
    QFile file(supply.filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray bytes = file.read(kMaxAttributeBytes);
    if (bytes.isNull())
        return QString();
    return QString::fromLatin1(bytes).trimmed();
}

std::optional<qint64> integerAttribute(const QDir &supply, const QString &name)
{
    bool ok = false;
    const qint64 value = attribute(supply, name).toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

// now / full as a percentage; a full value below 1 cannot be divided by.
std::optional<int> ratioLevel(const QDir &supply, const QString &nowName, const QString &fullName)
{
    const std::optional<qint64> now = integerAttribute(supply, nowName);
    const std::optional<qint64> full = integerAttribute(supply, fullName);
    if (!now || !full || *full < 1)
        return std::nullopt;
    return roundedBatteryPercent(double(*now) / double(*full) * 100.0);
}

} // namespace

QString SysfsBatteryReader::defaultRoot()
{
    return QStringLiteral("/sys/class/power_supply");
}

SysfsBatteryReader::SysfsBatteryReader(QString root)
    : m_root(std::move(root))
{
}

std::optional<int> SysfsBatteryReader::readLevel()
{
    const QDir root(m_root);
    // The kernel lists supplies as links to their device folders, hence no NoSymLinks.
    const QStringList names = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &name : names) {
        const QDir supply(root.filePath(name));
        if (!isInternalBattery(supply))
            continue;
        if (const std::optional<int> level = levelOf(supply))
            return level;
    }
    return std::nullopt;
}

bool SysfsBatteryReader::isInternalBattery(const QDir &supply)
{
    if (attribute(supply, QStringLiteral("type")) != QLatin1String("Battery"))
        return false;
    // Wireless mice and keyboards report their batteries with the scope "Device".
    if (attribute(supply, QStringLiteral("scope")) == QLatin1String("Device"))
        return false;
    // Only an explicit "0" marks an empty bay; many drivers have no "present" at all.
    return attribute(supply, QStringLiteral("present")) != QLatin1String("0");
}

std::optional<int> SysfsBatteryReader::levelOf(const QDir &supply)
{
    if (const std::optional<qint64> capacity = integerAttribute(supply, QStringLiteral("capacity")))
        return roundedBatteryPercent(double(*capacity));
    if (auto level = ratioLevel(supply, QStringLiteral("energy_now"), QStringLiteral("energy_full")))
        return level;
    return ratioLevel(supply, QStringLiteral("charge_now"), QStringLiteral("charge_full"));
}

#include "core/SettingsRepository.h"

#include <cmath>

namespace {

bool isIntegerType(int typeId)
{
    switch (typeId) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

} // namespace

std::optional<qint64> SettingsRepository::toInteger(const QVariant &value)
{
    const int type = value.typeId();
    if (type == QMetaType::ULongLong || type == QMetaType::ULong) {
        const qulonglong unsignedValue = value.toULongLong();
        if (unsignedValue > qulonglong(std::numeric_limits<qint64>::max()))
            return std::nullopt;
        return qint64(unsignedValue);
    }
    if (isIntegerType(type))
        return value.toLongLong();
    if (type == QMetaType::Double || type == QMetaType::Float) {
        const double number = value.toDouble();
        // 2^63 itself is out of range, and so is anything that is not a whole number.
        if (std::isfinite(number) && std::trunc(number) == number && number >= -0x1p63
            && number < 0x1p63) {
            return qint64(number);
        }
    }
    return std::nullopt;
}

std::optional<bool> SettingsRepository::toBool(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    return std::nullopt;
}

std::optional<double> SettingsRepository::toDouble(const QVariant &value)
{
    const int type = value.typeId();
    if (type == QMetaType::Double || type == QMetaType::Float || isIntegerType(type))
        return value.toDouble();
    return std::nullopt;
}

qint64 SettingsRepository::integer(const QString &key) const
{
    if (const std::optional<qint64> value = toInteger(object(key)))
        return *value;
    return toInteger(registeredObject(key)).value_or(0);
}

bool SettingsRepository::boolean(const QString &key) const
{
    if (const std::optional<bool> value = toBool(object(key)))
        return *value;
    return toBool(registeredObject(key)).value_or(false);
}

double SettingsRepository::doubleValue(const QString &key) const
{
    if (const std::optional<double> value = toDouble(object(key)))
        return *value;
    return toDouble(registeredObject(key)).value_or(0.0);
}

std::optional<QString> SettingsRepository::string(const QString &key) const
{
    const QVariant value = object(key);
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    return std::nullopt;
}

std::optional<QVariantMap> SettingsRepository::dictionary(const QString &key) const
{
    const QVariant value = object(key);
    if (value.typeId() == QMetaType::QVariantMap)
        return value.toMap();
    return std::nullopt;
}

std::optional<QVariantList> SettingsRepository::array(const QString &key) const
{
    const QVariant value = object(key);
    if (value.typeId() == QMetaType::QVariantList)
        return value.toList();
    return std::nullopt;
}

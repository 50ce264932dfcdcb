#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

#include <optional>

// The user-defaults store: one persistent domain of the application (key to value) over a
// volatile registration domain that answers reads of keys holding no value and is never
// written anywhere. Values keep their type: bool, qint64, double, QString, QVariantList and
// QVariantMap, nesting freely. Typed reads treat a value of another type as absent.
// Implementations are safe to call from any thread.
class SettingsRepository
{
public:
    virtual ~SettingsRepository() = default;

    // The stored value, else the registered one, else an invalid QVariant.
    virtual QVariant object(const QString &key) const = 0;
    // The registered value alone, whatever is stored; an invalid QVariant when none is.
    virtual QVariant registeredObject(const QString &key) const = 0;
    // Stores the value; an invalid QVariant removes the key.
    virtual void setObject(const QString &key, const QVariant &value) = 0;
    virtual void removeObject(const QString &key) = 0;
    // Adds the entries to the registration domain, replacing values held under the same keys.
    virtual void registerDefaults(const QVariantMap &defaults) = 0;
    // The persistent domain alone, without registered values.
    virtual QVariantMap persistentDomain() const = 0;
    // Forgets every stored value, and whatever was waiting to be written, and deletes the
    // domain's storage. Registered values stay.
    virtual void removePersistentDomain() = 0;
    // Writes pending changes now (at quit); a no-op where nothing is pending or kept.
    virtual void flush() = 0;

    // Typed reads. A stored value of another type (a hand-edited "20" for 20) reads as the
    // registered value, and without one of the right type as the fallback given here.
    qint64 integer(const QString &key) const;         // 0
    bool boolean(const QString &key) const;           // false
    double doubleValue(const QString &key) const;     // 0.0; integers read as doubles
    std::optional<QString> string(const QString &key) const;
    std::optional<QVariantMap> dictionary(const QString &key) const;
    std::optional<QVariantList> array(const QString &key) const;

    void setInteger(const QString &key, qint64 value) { setObject(key, QVariant::fromValue(value)); }
    void setBool(const QString &key, bool value) { setObject(key, QVariant(value)); }
    void setDouble(const QString &key, double value) { setObject(key, QVariant(value)); }
    void setString(const QString &key, const QString &value) { setObject(key, QVariant(value)); }

    // The value as an integer when it is one (whole-numbered doubles count, as JSON does
    // not tell 20 from 20.0); Booleans and texts are not integers.
    static std::optional<qint64> toInteger(const QVariant &value);
    static std::optional<bool> toBool(const QVariant &value);
    static std::optional<double> toDouble(const QVariant &value);
};

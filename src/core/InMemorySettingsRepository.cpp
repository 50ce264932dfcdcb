#include "core/InMemorySettingsRepository.h"

InMemorySettingsRepository::InMemorySettingsRepository(QVariantMap stored)
    : m_store(std::move(stored))
{
}

QVariant InMemorySettingsRepository::object(const QString &key) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_store.constFind(key);
    if (it != m_store.cend())
        return *it;
    return m_defaults.value(key);
}

QVariant InMemorySettingsRepository::registeredObject(const QString &key) const
{
    std::lock_guard lock(m_mutex);
    return m_defaults.value(key);
}

void InMemorySettingsRepository::setObject(const QString &key, const QVariant &value)
{
    std::lock_guard lock(m_mutex);
    ++m_writes;
    if (value.isValid())
        m_store.insert(key, value);
    else
        m_store.remove(key);
}

void InMemorySettingsRepository::removeObject(const QString &key)
{
    std::lock_guard lock(m_mutex);
    m_store.remove(key);
}

void InMemorySettingsRepository::registerDefaults(const QVariantMap &defaults)
{
    std::lock_guard lock(m_mutex);
    m_defaults.insert(defaults);
}

QVariantMap InMemorySettingsRepository::persistentDomain() const
{
    std::lock_guard lock(m_mutex);
    return m_store;
}

void InMemorySettingsRepository::removePersistentDomain()
{
    std::lock_guard lock(m_mutex);
    m_store.clear();
}

QVariantMap InMemorySettingsRepository::registeredDefaults() const
{
    std::lock_guard lock(m_mutex);
    return m_defaults;
}

int InMemorySettingsRepository::writeCount() const
{
    std::lock_guard lock(m_mutex);
    return m_writes;
}

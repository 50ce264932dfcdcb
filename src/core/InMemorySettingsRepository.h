#pragma once

#include "core/SettingsRepository.h"

#include <mutex>

// A user-defaults store that keeps everything in memory: for tests, and for code that must
// not touch the user's files.
class InMemorySettingsRepository : public SettingsRepository
{
public:
    InMemorySettingsRepository() = default;
    explicit InMemorySettingsRepository(QVariantMap stored);

    QVariant object(const QString &key) const override;
    QVariant registeredObject(const QString &key) const override;
    void setObject(const QString &key, const QVariant &value) override;
    void removeObject(const QString &key) override;
    void registerDefaults(const QVariantMap &defaults) override;
    QVariantMap persistentDomain() const override;
    void removePersistentDomain() override;
    void flush() override {}

    QVariantMap registeredDefaults() const;
    // How many assignments (setObject) have been made, unchanged values included.
    int writeCount() const;

private:
    mutable std::mutex m_mutex;
    QVariantMap m_store;
    QVariantMap m_defaults;
    int m_writes = 0;
};

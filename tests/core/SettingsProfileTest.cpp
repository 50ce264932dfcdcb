#include "core/InMemorySettingsRepository.h"
#include "core/SettingsProfile.h"

#include <QHash>

#include <gtest/gtest.h>

#include <latch>
#include <thread>

namespace {

QVariant integer(qint64 value)
{
    return QVariant::fromValue(value);
}

const QVariant version5 = integer(5);

// Counts the assignments made to each key, from any thread.
class CountingRepository : public InMemorySettingsRepository
{
public:
    using InMemorySettingsRepository::InMemorySettingsRepository;

    void setObject(const QString &key, const QVariant &value) override
    {
        {
            std::lock_guard lock(m_countMutex);
            ++m_counts[key];
        }
        std::this_thread::yield(); // let a competing migration run in between, if it can
        InMemorySettingsRepository::setObject(key, value);
    }
    int writes(const QString &key) const
    {
        std::lock_guard lock(m_countMutex);
        return m_counts.value(key);
    }

private:
    mutable std::mutex m_countMutex;
    QHash<QString, int> m_counts;
};

} // namespace

TEST(SettingsProfileTest, AMigratedDomainOnlyLosesRetiredKeysAndRegistersDefaults)
{
    InMemorySettingsRepository store({{"defaultSettingsProfileVersion", version5},
                                      {"adaptiveTimingEnabled", true},
                                      {"adaptiveBehaviorProfile", "balanced"},
                                      {"hasCompletedOnboarding", true},
                                      {"playSound", false}});
    applyDefaultSettingsProfile(store);

    EXPECT_EQ(store.writeCount(), 0);
    EXPECT_EQ(store.persistentDomain(),
              QVariantMap({{"defaultSettingsProfileVersion", version5},
                           {"hasCompletedOnboarding", true},
                           {"playSound", false}}));
    EXPECT_EQ(store.registeredDefaults(), registeredSettingsDefaults());
    EXPECT_EQ(registeredSettingsDefaults().size(), 55);
    EXPECT_EQ(defaultSettingsProfile().size(), 12);
}

TEST(SettingsProfileTest, OnboardedUsersGetTheProfileOnlyForKeysTheyNeverSet)
{
    InMemorySettingsRepository store({{"defaultSettingsProfileVersion", integer(3)},
                                      {"hasCompletedOnboarding", true},
                                      {"enforcement", "Hardcore"},
                                      {"postureEnabled", "odd"},
                                      {"playSound", false}});
    applyDefaultSettingsProfile(store);

    QVariantMap expected = defaultSettingsProfile();
    expected.insert("defaultSettingsProfileVersion", version5);
    expected.insert("hasCompletedOnboarding", true);
    expected.insert("enforcement", "Hardcore");
    expected.insert("postureEnabled", "odd"); // any stored value counts as set
    expected.insert("playSound", false);      // version 3 has nothing left to carry over
    EXPECT_EQ(store.persistentDomain(), expected);
    EXPECT_EQ(store.integer("gentleDelaySeconds"), 10);
    EXPECT_EQ(store.integer("breakInterval"), 20); // registered, not written
}

TEST(SettingsProfileTest, TheLegacySoundSwitchCarriesOverForVersionsBelowTwo)
{
    struct Case
    {
        QVariantMap stored;
        QVariantMap written;
    };
    const Case cases[] = {
        // Not onboarded: no profile, but the switch's value moves to the break sounds.
        {{{"defaultSettingsProfileVersion", integer(1)}, {"playSound", false}},
         {{"breakSoundsEnabled", false}, {"reminderSoundsEnabled", false}}},
        {{{"playSound", "loud"}, {"hasCompletedOnboarding", "true"}},
         {{"breakSoundsEnabled", true}, {"reminderSoundsEnabled", false}}},
        // Keys that hold a value already are left alone.
        {{{"playSound", false}, {"reminderSoundsEnabled", true}},
         {{"breakSoundsEnabled", false}}},
    };
    for (const Case &c : cases) {
        InMemorySettingsRepository store(c.stored);
        applyDefaultSettingsProfile(store);
        QVariantMap expected = c.stored;
        expected.insert(c.written);
        expected.insert("defaultSettingsProfileVersion", version5);
        EXPECT_EQ(store.persistentDomain(), expected);
    }
}

TEST(SettingsProfileTest, ConcurrentFirstCallsMigrateOnce)
{
    for (int round = 0; round < 50; ++round) {
        CountingRepository store;
        std::latch start(2);
        auto migrate = [&] {
            start.arrive_and_wait();
            applyDefaultSettingsProfile(store);
        };
        std::thread first(migrate);
        std::thread second(migrate);
        first.join();
        second.join();

        ASSERT_EQ(store.writes("defaultSettingsProfileVersion"), 1) << "round " << round;
        ASSERT_EQ(store.writes("breakSoundsEnabled"), 1) << "round " << round;
        ASSERT_EQ(store.writes("reminderSoundsEnabled"), 1) << "round " << round;
    }
}

#include "core/AppSettings.h"
#include "core/InMemorySettingsRepository.h"
#include "core/SettingsProfile.h"
#include "support/FakeClock.h"

#include <QMetaProperty>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

QList<QMetaProperty> settingProperties()
{
    QList<QMetaProperty> properties;
    const QMetaObject &meta = AppSettings::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        properties.append(meta.property(i));
    return properties;
}

// A stored value of the property's type that differs from its registered default, and one
// that differs from both (each a valid hudDismissSeconds, so no load correction interferes).
QVariant otherValue(const QMetaProperty &property, int variant)
{
    const QVariant fallback = registeredSettingsDefaults().value(QLatin1String(property.name()));
    switch (property.typeId()) {
    case QMetaType::LongLong:
        return QVariant::fromValue(qint64(variant == 0 ? 8 : 10));
    case QMetaType::Bool:
        return variant == 0 ? !fallback.toBool() : fallback.toBool();
    case QMetaType::Double:
        return variant == 0 ? 0.5 : 0.25;
    default:
        return QString(QLatin1String(property.name()) + QString::number(variant));
    }
}

const QStringList onUnlessFalseKeys = {
    "idleDetectionEnabled", "notificationsEnabled", "showCountdownInHUD",
    "hudAutoDismiss", "scheduledBreakHUDStaysVisible", "meetingPauseBreaks",
    "meetingPauseNotifications", "mediaPauseBreaks", "mediaPauseNotifications"};

struct Fixture
{
    explicit Fixture(QVariantMap stored = {})
        : store(std::move(stored))
    {
    }
    InMemorySettingsRepository store;
    FakeClock clock;
};

} // namespace

TEST(AppSettingsTest, EverySettingIsRegisteredWithItsOwnTypeAndLoadsItsDefault)
{
    Fixture fixture;
    AppSettings settings(fixture.store, fixture.clock);

    const QList<QMetaProperty> properties = settingProperties();
    ASSERT_EQ(properties.size(), 47);
    QStringList wellnessKeys = registeredSettingsDefaults().keys();
    for (const QMetaProperty &property : properties) {
        const QString key = QLatin1String(property.name());
        SCOPED_TRACE(key.toStdString());
        ASSERT_TRUE(registeredSettingsDefaults().contains(key));
        const QVariant registered = registeredSettingsDefaults().value(key);
        EXPECT_EQ(registered.typeId(), property.typeId());
        EXPECT_EQ(property.read(&settings), registered);
        EXPECT_TRUE(property.hasNotifySignal() && property.isWritable());
        wellnessKeys.removeOne(key);
    }
    wellnessKeys.sort();
    EXPECT_EQ(wellnessKeys,
              QStringList({"blinkEnabled", "blinkIntervalMinutes", "mediaDetectionEnabled",
                           "pauseDuringMeetings", "postureEnabled", "postureIntervalMinutes",
                           "typingHealthEnabled", "typingThresholdMinutes"}));
}

TEST(AppSettingsTest, AFreshDomainHoldsOnlyWhatTheFirstLaunchWrites)
{
    Fixture fixture;
    AppSettings settings(fixture.store, fixture.clock);

    EXPECT_EQ(fixture.store.persistentDomain(),
              QVariantMap({{"defaultSettingsProfileVersion", QVariant::fromValue(qint64(5))},
                           {"breakSoundsEnabled", true},
                           {"reminderSoundsEnabled", false}}));
}

// Per key: the stored value loads; an assignment writes under the property's own name and
// notifies once; the same value again is written again but notifies nobody.
TEST(AppSettingsTest, EachSettingLoadsFromAndWritesToItsOwnKey)
{
    QVariantMap stored;
    for (const QMetaProperty &property : settingProperties())
        stored.insert(QLatin1String(property.name()), otherValue(property, 0));
    Fixture fixture(stored);
    AppSettings settings(fixture.store, fixture.clock);

    for (const QMetaProperty &property : settingProperties()) {
        const QString key = QLatin1String(property.name());
        SCOPED_TRACE(key.toStdString());
        EXPECT_EQ(property.read(&settings), otherValue(property, 0));

        QSignalSpy changes(&settings, property.notifySignal());
        const int writesBefore = fixture.store.writeCount();
        ASSERT_TRUE(property.write(&settings, otherValue(property, 1)));
        EXPECT_EQ(fixture.store.persistentDomain().value(key), otherValue(property, 1));
        EXPECT_EQ(fixture.store.persistentDomain().value(key).typeId(), property.typeId());
        ASSERT_EQ(changes.count(), 1);
        EXPECT_EQ(changes.first().value(0), otherValue(property, 1));

        ASSERT_TRUE(property.write(&settings, otherValue(property, 1)));
        EXPECT_EQ(fixture.store.writeCount(), writesBefore + 2);
        EXPECT_EQ(changes.count(), 1);
    }
}

// A hand-edited file: every mistyped value reads as its registered default, and the stored
// text stays for the user to see and mend.
TEST(AppSettingsTest, MistypedValuesReadAsTheirRegisteredDefaultsAndStayStored)
{
    QVariantMap stored;
    for (const QMetaProperty &property : settingProperties()) {
        // Text where a number, flag or volume belongs; a number where a text belongs.
        stored.insert(QLatin1String(property.name()),
                      property.typeId() == QMetaType::QString ? QVariant(42) : QVariant("yes"));
    }
    Fixture fixture(stored);
    AppSettings settings(fixture.store, fixture.clock);

    for (const QMetaProperty &property : settingProperties()) {
        const QString key = QLatin1String(property.name());
        SCOPED_TRACE(key.toStdString());
        EXPECT_EQ(property.read(&settings), registeredSettingsDefaults().value(key));
        EXPECT_EQ(fixture.store.persistentDomain().value(key), stored.value(key));
    }
}

// Lengths and intervals no editor offers read as their defaults too, for the run only.
TEST(AppSettingsTest, OutOfRangeBreakLengthsAndIntervalsReadAsTheirDefaults)
{
    constexpr qint64 int64Max = std::numeric_limits<qint64>::max();
    struct Case
    {
        const char *key;
        QVariant stored;
        qint64 loaded;
    };
    const Case cases[] = {
        {"breakDuration", "20", 20},
        {"breakDuration", QVariant::fromValue(qint64(0)), 20},
        {"breakDuration", QVariant::fromValue(qint64(-20)), 20},
        {"breakDuration", QVariant::fromValue(int64Max), 20},
        {"breakDuration", QVariant::fromValue(qint64(86401)), 20},
        {"breakDuration", QVariant::fromValue(qint64(86400)), 86400},
        {"breakDuration", QVariant::fromValue(qint64(1)), 1},
        {"longBreakDuration", QVariant::fromValue(qint64(0)), 600},
        {"longBreakDuration", QVariant::fromValue(int64Max), 600},
        {"breakInterval", "20", 20},
        {"breakInterval", QVariant::fromValue(qint64(0)), 20},
        {"breakInterval", QVariant::fromValue(qint64(45)), 45},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.key) + " " + c.stored.toString().toStdString());
        Fixture fixture({{c.key, c.stored}});
        AppSettings settings(fixture.store, fixture.clock);
        EXPECT_EQ(settings.property(c.key).toLongLong(), c.loaded);
        EXPECT_EQ(fixture.store.persistentDomain().value(c.key), c.stored);
    }
}

TEST(AppSettingsTest, LoadCorrectsOnlyTheValuesNoEditorOffersAndWritesThemBack)
{
    struct Case
    {
        const char *key;
        qint64 stored;
        qint64 loaded;
    };
    const Case cases[] = {
        {"hudDismissSeconds", 7, 5},   {"hudDismissSeconds", 8, 8},
        {"hudDismissSeconds", 0, 5},   {"gentleDelaySeconds", 0, 5},
        {"gentleDelaySeconds", -3, -3}, {"idleResetThresholdMinutes", 0, 10},
        {"idleResetThresholdMinutes", -1, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.key) + " " + std::to_string(c.stored));
        Fixture fixture({{c.key, QVariant::fromValue(c.stored)}});
        AppSettings settings(fixture.store, fixture.clock);
        EXPECT_EQ(settings.property(c.key).toLongLong(), c.loaded);
        EXPECT_EQ(fixture.store.persistentDomain().value(c.key).toLongLong(), c.loaded);
    }
}

TEST(AppSettingsTest, VolumeIsClampedInTheModelAndTheStore)
{
    Fixture fixture;
    AppSettings settings(fixture.store, fixture.clock);
    QSignalSpy changes(&settings, &AppSettings::notificationSoundVolumeChanged);
    const auto stored = [&] { return fixture.store.object("notificationSoundVolume").toDouble(); };

    settings.setNotificationSoundVolume(1.5);
    EXPECT_EQ(settings.notificationSoundVolume(), 1.0);
    EXPECT_EQ(stored(), 1.0);
    settings.setNotificationSoundVolume(7.0); // clamps to the value already held
    EXPECT_EQ(changes.count(), 1);

    settings.setNotificationSoundVolume(-0.2);
    EXPECT_EQ(settings.notificationSoundVolume(), 0.0);
    EXPECT_EQ(stored(), 0.0);
    EXPECT_FALSE(std::signbit(stored()));

    settings.setNotificationSoundVolume(0.6);
    settings.setNotificationSoundVolume(std::nan(""));
    EXPECT_EQ(settings.notificationSoundVolume(), 0.0);
    EXPECT_EQ(stored(), 0.0);
    EXPECT_EQ(changes.count(), 4);
}

#include "breakscreen/BreakScreenConfig.h"
#include "core/InMemorySettingsRepository.h"
#include "settings_ui/customizer/BreakPreviewPanel.h"
#include "support/BreakOverlayRig.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

struct ConfigValues
{
    BreakScreenMessage message;
    QString customMessage;
    BreakCountdown countdownStyle;
    bool clockVisible;
    BreakBG background;
    bool showSkip;
    bool showSnooze;
    EscBehavior escapeBehavior;

    bool operator==(const ConfigValues &) const = default;
};

ConfigValues valuesOf(const BreakScreenConfig &config)
{
    return {config.message(),    config.customMessage(), config.countdownStyle(),
            config.clockVisible(), config.background(),  config.showSkip(),
            config.showSnooze(), config.escapeBehavior()};
}

const ConfigValues defaults = {BreakScreenMessage::catchQuickRest, QString(), BreakCountdown::timer,
                               true, BreakBG::blur, true, true, EscBehavior::doubleEsc};

const QStringList retiredKeys = {"break.subtitle", "break.steps", "break.showLockScreen"};

} // namespace

TEST(BreakScreenConfigTest, AnEmptyStoreLoadsTheDefaultsAndWritesNothing)
{
    InMemorySettingsRepository store;
    const auto config = BreakScreenConfig::load(store);
    EXPECT_EQ(valuesOf(*config), defaults);
    EXPECT_EQ(store.writeCount(), 0);
    EXPECT_TRUE(store.persistentDomain().isEmpty());
}

TEST(BreakScreenConfigTest, EachKeyFallsBackToItsOwnDefaultWhenUnreadable)
{
    InMemorySettingsRepository store({
        {"break.message", "Random "},            // not a raw value: trailing blank
        {"break.customMessage", qint64(5)},      // not text
        {"break.countdown", "Bar"},              // valid
        {"break.clock", "false"},                // text, not a Boolean
        {"break.background", true},              // not text
        {"break.showSkip", "no"},                // text, not a Boolean
        {"break.showSnooze", false},             // valid
        {"break.escape", "Disabled"},            // valid
    });
    const auto config = BreakScreenConfig::load(store);
    EXPECT_EQ(valuesOf(*config),
              (ConfigValues{BreakScreenMessage::catchQuickRest, QString(), BreakCountdown::bar,
                            true, BreakBG::blur, true, false, EscBehavior::disabled}));

    InMemorySettingsRepository lowerCase({{"break.countdown", "ring"}, {"break.escape", "disabled"},
                                          {"break.background", "Nature"}});
    const auto matchedExactly = BreakScreenConfig::load(lowerCase);
    EXPECT_EQ(matchedExactly->countdownStyle(), BreakCountdown::timer);
    EXPECT_EQ(matchedExactly->escapeBehavior(), EscBehavior::doubleEsc);
    EXPECT_EQ(matchedExactly->background(), BreakBG::nature);
}

TEST(BreakScreenConfigTest, LoadingRemovesTheRetiredKeysAndKeepsTheRest)
{
    InMemorySettingsRepository store({{"break.subtitle", "Look away"},
                                      {"break.steps", QVariantList{"one", "two"}},
                                      {"break.showLockScreen", true},
                                      {"break.message", "Hydration Time"},
                                      {"appTheme", "Dark"}});
    const auto config = BreakScreenConfig::load(store);
    EXPECT_EQ(config->message(), BreakScreenMessage::hydration);
    const QVariantMap left = store.persistentDomain();
    for (const QString &key : retiredKeys)
        EXPECT_FALSE(left.contains(key)) << key.toStdString();
    EXPECT_EQ(left.keys(), QStringList({"appTheme", "break.message"}));
}

TEST(BreakScreenConfigTest, SavedValuesLoadBackUnchanged)
{
    InMemorySettingsRepository store;
    BreakScreenConfig edited;
    edited.setMessage(BreakScreenMessage::lumenPause);
    edited.setCustomMessage(QStringLiteral("  <b>Stand up</b> "));
    edited.setCountdownStyle(BreakCountdown::ring);
    edited.setClockVisible(false);
    edited.setBackground(BreakBG::gradient);
    edited.setShowSkip(false);
    edited.setShowSnooze(false);
    edited.setEscapeBehavior(EscBehavior::disabled);
    edited.save(store);

    EXPECT_EQ(store.persistentDomain(),
              (QVariantMap{{"break.message", "Lumen Pause"},
                           {"break.customMessage", "  <b>Stand up</b> "},
                           {"break.countdown", "Ring"},
                           {"break.clock", false},
                           {"break.background", "Gradient"},
                           {"break.showSkip", false},
                           {"break.showSnooze", false},
                           {"break.escape", "Disabled"}}));
    EXPECT_EQ(valuesOf(*BreakScreenConfig::load(store)), valuesOf(edited));
}

TEST(BreakScreenConfigTest, EveryChoiceIsStoredUnderItsTitleAndReadBack)
{
    EXPECT_EQ(allBreakScreenMessages().size(), 8);
    QStringList titles;
    for (BreakScreenMessage message : allBreakScreenMessages()) {
        InMemorySettingsRepository store;
        BreakScreenConfig config;
        config.setMessage(message);
        config.save(store);
        titles.append(store.object("break.message").toString());
        EXPECT_EQ(BreakScreenConfig::load(store)->message(), message);
    }
    EXPECT_EQ(titles, QStringList({"Catch a quick rest", "Rest Your Eyes", "Lumen Pause",
                                   "Take a Deep Breath", "Stretch a Moment", "Hydration Time",
                                   "Random", "Custom"}));

    QStringList otherTitles;
    for (BreakCountdown style : allBreakCountdowns()) {
        EXPECT_EQ(breakCountdownFromRawValue(rawValue(style)), style);
        otherTitles.append(rawValue(style));
    }
    for (BreakBG background : allBreakBGs()) {
        EXPECT_EQ(breakBGFromRawValue(rawValue(background)), background);
        otherTitles.append(rawValue(background));
    }
    for (EscBehavior behavior : allEscBehaviors()) {
        EXPECT_EQ(escBehaviorFromRawValue(rawValue(behavior)), behavior);
        otherTitles.append(rawValue(behavior));
    }
    EXPECT_EQ(otherTitles, QStringList({"Timer", "Ring", "Bar", "Hidden", "Blur", "Nature", "Dark",
                                        "Gradient", "Double Esc", "Disabled"}));
}

TEST(BreakScreenConfigTest, SettersNotifyOnlyOnARealChangeAndStoreNothing)
{
    InMemorySettingsRepository store;
    const auto config = BreakScreenConfig::load(store);
    QSignalSpy messageSpy(config.get(), &BreakScreenConfig::messageChanged);
    QSignalSpy textSpy(config.get(), &BreakScreenConfig::customMessageChanged);
    QSignalSpy skipSpy(config.get(), &BreakScreenConfig::showSkipChanged);

    config->setMessage(BreakScreenMessage::catchQuickRest);
    config->setShowSkip(true);
    config->setCustomMessage(QString(""));
    EXPECT_EQ(messageSpy.count() + textSpy.count() + skipSpy.count(), 0);

    config->setMessage(BreakScreenMessage::custom);
    config->setCustomMessage(QStringLiteral("Walk"));
    config->setCustomMessage(QStringLiteral("Wa") + QStringLiteral("lk"));
    config->setShowSkip(false);
    EXPECT_EQ(messageSpy.count(), 1);
    EXPECT_EQ(textSpy.count(), 1);
    EXPECT_EQ(skipSpy.count(), 1);
    EXPECT_EQ(store.writeCount(), 0);
}

// The field takes at most 280 characters, but an older version or an edited file may hold
// more: the break and the customizer's preview draw its first 280 characters (code points,
// never splitting a character) and "…", and the store keeps it whole until it is edited.
TEST(BreakScreenConfigTest, ALongStoredMessageIsDrawnCutEverywhereAndKeptWholeUntilEdited)
{
    const QString a279(279, QLatin1Char('a'));
    const QString smile = QString::fromUtf8("\U0001F600"); // one code point, two UTF-16 units
    const QString ellipsis(QChar(0x2026));
    QString megabyte;
    while (megabyte.size() < (1 << 20))
        megabyte += QStringLiteral("rest your eyes on something far away ");
    const struct
    {
        const char *name;
        QString stored;
        QString drawn;
    } cases[] = {
        {"short", "Look away", "Look away"},
        {"exactly 280", QString(280, QLatin1Char('a')), QString(280, QLatin1Char('a'))},
        {"280 ending in a pair", a279 + smile, a279 + smile},
        {"281", QString(281, QLatin1Char('a')), QString(280, QLatin1Char('a')) + ellipsis},
        {"a megabyte", megabyte, megabyte.left(280) + ellipsis},
        {"a mark on the 280th", a279 + QStringLiteral("e\u0301z"), a279 + ellipsis},
        {"a pair across the limit", a279 + smile + "z", a279 + smile + ellipsis},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        BreakOverlayRig rig({{"break.message", "Custom"}, {"break.customMessage", c.stored}});
        const std::unique_ptr<BreakScreenConfig> config = BreakScreenConfig::load(rig.store);
        const BreakOverlayModel overlay(*config, false, BreakOverlayMode::live(), {}, rig.settings,
                                        rig.clock);
        EXPECT_TRUE(overlay.fixedMessage() == c.drawn) << overlay.fixedMessage().size();
        const QString previewed = BreakPreviewPanel::previewMessage(*config, rig.clock.now().date());
        EXPECT_TRUE(previewed == c.drawn) << previewed.size();

        EXPECT_TRUE(config->customMessage() == c.stored);
        config->setShowSkip(false);
        config->save(rig.store);
        EXPECT_TRUE(rig.store.string("break.customMessage") == c.stored) << "kept until edited";
    }
}

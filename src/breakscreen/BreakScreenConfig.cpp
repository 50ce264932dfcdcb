#include "breakscreen/BreakScreenConfig.h"

#include "core/FileSettingsRepository.h"
#include "core/SettingsRepository.h"
#include "core/TextLimit.h"

namespace {

const QString kMessageKey = QStringLiteral("break.message");
const QString kCustomMessageKey = QStringLiteral("break.customMessage");
const QString kCountdownKey = QStringLiteral("break.countdown");
const QString kClockKey = QStringLiteral("break.clock");
const QString kBackgroundKey = QStringLiteral("break.background");
const QString kShowSkipKey = QStringLiteral("break.showSkip");
const QString kShowSnoozeKey = QStringLiteral("break.showSnooze");
const QString kEscapeKey = QStringLiteral("break.escape");

// Options earlier versions stored; nothing reads them any more.
const QStringList kRetiredKeys = {QStringLiteral("break.subtitle"), QStringLiteral("break.steps"),
                                  QStringLiteral("break.showLockScreen")};

template <typename Choice>
std::optional<Choice> storedChoice(const SettingsRepository &store, const QString &key,
                                   std::optional<Choice> (*parse)(const QString &))
{
    const std::optional<QString> raw = store.string(key);
    return raw ? parse(*raw) : std::nullopt;
}

} // namespace

BreakScreenConfig::BreakScreenConfig(QObject *parent)
    : QObject(parent)
{
}

std::unique_ptr<BreakScreenConfig> BreakScreenConfig::load()
{
    return load(FileSettingsRepository::standard());
}

std::unique_ptr<BreakScreenConfig> BreakScreenConfig::load(SettingsRepository &store)
{
    auto config = std::make_unique<BreakScreenConfig>();
    config->readFrom(store);
    for (const QString &key : kRetiredKeys)
        store.removeObject(key);
    return config;
}

void BreakScreenConfig::readFrom(const SettingsRepository &store)
{
    m_message = storedChoice(store, kMessageKey, &breakScreenMessageFromRawValue)
                    .value_or(m_message);
    m_customMessage = store.string(kCustomMessageKey).value_or(QString());
    m_countdownStyle = storedChoice(store, kCountdownKey, &breakCountdownFromRawValue)
                           .value_or(m_countdownStyle);
    m_clockVisible = SettingsRepository::toBool(store.object(kClockKey)).value_or(true);
    m_background = storedChoice(store, kBackgroundKey, &breakBGFromRawValue).value_or(m_background);
    m_showSkip = SettingsRepository::toBool(store.object(kShowSkipKey)).value_or(true);
    m_showSnooze = SettingsRepository::toBool(store.object(kShowSnoozeKey)).value_or(true);
    m_escapeBehavior = storedChoice(store, kEscapeKey, &escBehaviorFromRawValue)
                           .value_or(m_escapeBehavior);
}

void BreakScreenConfig::save() const
{
    save(FileSettingsRepository::standard());
}

void BreakScreenConfig::save(SettingsRepository &store) const
{
    store.setString(kMessageKey, rawValue(m_message));
    store.setString(kCustomMessageKey, m_customMessage);
    store.setString(kCountdownKey, rawValue(m_countdownStyle));
    store.setBool(kClockKey, m_clockVisible);
    store.setString(kBackgroundKey, rawValue(m_background));
    store.setBool(kShowSkipKey, m_showSkip);
    store.setBool(kShowSnoozeKey, m_showSnooze);
    store.setString(kEscapeKey, rawValue(m_escapeBehavior));
}

std::unique_ptr<BreakScreenConfig> BreakScreenConfig::copy() const
{
    auto twin = std::make_unique<BreakScreenConfig>();
    twin->m_message = m_message;
    twin->m_customMessage = m_customMessage;
    twin->m_countdownStyle = m_countdownStyle;
    twin->m_clockVisible = m_clockVisible;
    twin->m_background = m_background;
    twin->m_showSkip = m_showSkip;
    twin->m_showSnooze = m_showSnooze;
    twin->m_escapeBehavior = m_escapeBehavior;
    return twin;
}

template <typename T, typename Signal>
void BreakScreenConfig::assign(T &field, const T &value, Signal changed)
{
    if (field == value)
        return;
    field = value;
    emit(this->*changed)(field);
}

void BreakScreenConfig::setMessage(BreakScreenMessage value)
{
    assign(m_message, value, &BreakScreenConfig::messageChanged);
}

QString BreakScreenConfig::shownCustomMessage() const
{
    return TextLimit::cutWithEllipsis(m_customMessage, customMessageMaxCharacters);
}

void BreakScreenConfig::setCustomMessage(const QString &value)
{
    assign(m_customMessage, value, &BreakScreenConfig::customMessageChanged);
}

void BreakScreenConfig::setCountdownStyle(BreakCountdown value)
{
    assign(m_countdownStyle, value, &BreakScreenConfig::countdownStyleChanged);
}

void BreakScreenConfig::setClockVisible(bool value)
{
    assign(m_clockVisible, value, &BreakScreenConfig::clockVisibleChanged);
}

void BreakScreenConfig::setBackground(BreakBG value)
{
    assign(m_background, value, &BreakScreenConfig::backgroundChanged);
}

void BreakScreenConfig::setShowSkip(bool value)
{
    assign(m_showSkip, value, &BreakScreenConfig::showSkipChanged);
}

void BreakScreenConfig::setShowSnooze(bool value)
{
    assign(m_showSnooze, value, &BreakScreenConfig::showSnoozeChanged);
}

void BreakScreenConfig::setEscapeBehavior(EscBehavior value)
{
    assign(m_escapeBehavior, value, &BreakScreenConfig::escapeBehaviorChanged);
}

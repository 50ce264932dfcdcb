#include "onboarding/OnboardingPreferencesStep.h"

#include "onboarding/OnboardingCard.h"
#include "onboarding/OnboardingModeChoice.h"
#include "onboarding/OnboardingModeSelector.h"
#include "onboarding/OnboardingPalette.h"
#include "onboarding/OnboardingSettingHeader.h"
#include "onboarding/OnboardingState.h"
#include "onboarding/OnboardingToggleSetting.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/ToggleSwitch.h"

#include <QVBoxLayout>

namespace {

constexpr int headingToCards = 22;
constexpr int rowGap = 16;
constexpr int cardSpacing = 16;
// Two lines of the description always fit, so the card keeps its height as the text changes.
constexpr int descriptionHeight = 28;
constexpr int footnoteTop = 16;
constexpr int footnoteInset = 80;

SchemeLabel *secondaryLabel(const QString &text, const QFont &font, QWidget *parent)
{
    return new SchemeLabel(text, font, OnboardingPalette::secondaryText(false),
                           OnboardingPalette::secondaryText(true), parent);
}

} // namespace

const OnboardingModeOptions &OnboardingPreferencesStep::enforcementOptions()
{
    static const OnboardingModeOptions options = {
        {QStringLiteral("Casual"), QStringLiteral("Casual"), QStringLiteral("leaf")},
        {QStringLiteral("Balanced"), QStringLiteral("Balanced"), QStringLiteral("scale.3d")},
        {QStringLiteral("Hardcore"), QStringLiteral("Hardcore"), QStringLiteral("lock.shield")},
    };
    return options;
}

const OnboardingModeOptions &OnboardingPreferencesStep::sensitivityOptions()
{
    static const OnboardingModeOptions options = {
        {QStringLiteral("Gentle"), QStringLiteral("Gentle"), QStringLiteral("leaf.fill")},
        {QStringLiteral("Normal"), QStringLiteral("Normal"), QStringLiteral("keyboard")},
        {QStringLiteral("Persistent"), QStringLiteral("Persistent"), QStringLiteral("bell.badge.fill")},
    };
    return options;
}

OnboardingPreferencesStep::OnboardingPreferencesStep(OnboardingState &state, QWidget *parent)
    : OnboardingPage(parent)
    , m_state(state)
{
    addFlexibleSpace(20);
    addHeading(QStringLiteral("Make it work your way"),
               QStringLiteral("Choose how firmly Lumenpause steps in and when it should wait."));
    column()->addSpacing(headingToCards);
    // Each left card is made first (see addCardRow): a call may make its arguments in either order.
    QWidget *enforcementCard = buildModeCard(QStringLiteral("shield"), QStringLiteral("Enforcement"),
                                             QStringLiteral("How firmly breaks step in"), enforcementOptions(),
                                             "selectedEnforcement", &m_enforcement, &m_enforcementDescription);
    addCardRow(enforcementCard,
               buildModeCard(QStringLiteral("waveform.path"), QStringLiteral("Break sensitivity"),
                             QStringLiteral("When a break should begin"), sensitivityOptions(),
                             "selectedSensitivity", &m_sensitivity, &m_sensitivityDescription),
               Qt::AlignTop);
    column()->addSpacing(rowGap);
    m_pauseDuringMeetings = new OnboardingToggleSetting(
        QStringLiteral("video"), QStringLiteral("Pause during meetings"),
        QStringLiteral("Protect calls automatically"), QStringLiteral("pauseDuringMeetingsToggle"));
    m_launchAtLogin = new OnboardingToggleSetting(
        QStringLiteral("power"), QStringLiteral("Open at login"),
        QStringLiteral("Ready when you log in"), QStringLiteral("launchAtLoginToggle"));
    QWidget *meetingsCard = buildToggleCard(m_pauseDuringMeetings);
    addCardRow(meetingsCard, buildToggleCard(m_launchAtLogin), Qt::AlignVCenter);
    addFootnote();
    addFlexibleSpace(12);
    bind();
}

QList<QWidget *> OnboardingPreferencesStep::focusOrder() const
{
    QList<QWidget *> order;
    for (OnboardingModeSelector *selector : {m_enforcement, m_sensitivity})
        order += QList<QWidget *>(selector->rows().cbegin(), selector->rows().cend());
    order << m_pauseDuringMeetings->toggle() << m_launchAtLogin->toggle();
    return order;
}

QWidget *OnboardingPreferencesStep::buildModeCard(const QString &icon, const QString &title,
                                                  const QString &caption, const OnboardingModeOptions &options,
                                                  const char *field, OnboardingModeSelector **selector,
                                                  SchemeLabel **description)
{
    auto *card = new OnboardingCard(cardSpacing, this);
    card->column()->addWidget(new OnboardingSettingHeader(icon, title, caption, card));
    *selector = new OnboardingModeSelector(options, card);
    (*selector)->setAccessibleName(title);
    (*selector)->setFieldName(QLatin1String(field));
    card->column()->addWidget(*selector);
    *description = secondaryLabel(QString(), SettingsFont::font(11), card);
    (*description)->setWordWrap(true);
    (*description)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    (*description)->setFixedHeight(descriptionHeight);
    card->column()->addWidget(*description);
    return card;
}

QWidget *OnboardingPreferencesStep::buildToggleCard(OnboardingToggleSetting *setting)
{
    auto *card = new OnboardingCard(cardSpacing, this);
    setting->setParent(card);
    card->column()->addWidget(setting);
    return card;
}

void OnboardingPreferencesStep::addFootnote()
{
    auto *footnote = secondaryLabel(
        QStringLiteral("Change schedules, sensitivity, appearance, and detection anytime from "
                       "Settings in the tray menu."),
        SettingsFont::font(11, QFont::Medium), this);
    footnote->setWordWrap(true);
    footnote->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    footnote->setContentsMargins(footnoteInset, 0, footnoteInset, 0);
    column()->addSpacing(footnoteTop);
    column()->addWidget(footnote);
}

void OnboardingPreferencesStep::bind()
{
    OnboardingState *state = &m_state;
    connect(m_enforcement, &OnboardingModeSelector::chosen, state, &OnboardingState::setSelectedEnforcement);
    connect(m_sensitivity, &OnboardingModeSelector::chosen, state, &OnboardingState::setSelectedSensitivity);
    connect(m_pauseDuringMeetings, &OnboardingToggleSetting::toggled, state,
            &OnboardingState::setPauseDuringMeetings);
    connect(m_launchAtLogin, &OnboardingToggleSetting::toggled, state, &OnboardingState::setLaunchAtLogin);

    const auto showEnforcement = [this] {
        m_enforcement->setSelection(m_state.selectedEnforcement());
        m_enforcementDescription->setText(m_state.enforcementDescription());
    };
    const auto showSensitivity = [this] {
        m_sensitivity->setSelection(m_state.selectedSensitivity());
        m_sensitivityDescription->setText(m_state.sensitivityDescription());
    };
    connect(state, &OnboardingState::selectedEnforcementChanged, this, showEnforcement);
    connect(state, &OnboardingState::selectedSensitivityChanged, this, showSensitivity);
    connect(state, &OnboardingState::pauseDuringMeetingsChanged, m_pauseDuringMeetings,
            &OnboardingToggleSetting::setOn);
    connect(state, &OnboardingState::launchAtLoginChanged, m_launchAtLogin, &OnboardingToggleSetting::setOn);
    showEnforcement();
    showSensitivity();
    m_pauseDuringMeetings->setOn(state->pauseDuringMeetings());
    m_launchAtLogin->setOn(state->launchAtLogin());
}

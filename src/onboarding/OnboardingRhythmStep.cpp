#include "onboarding/OnboardingRhythmStep.h"

#include "onboarding/OnboardingCard.h"
#include "onboarding/OnboardingDivider.h"
#include "onboarding/OnboardingPalette.h"
#include "onboarding/OnboardingRhythmPreview.h"
#include "onboarding/OnboardingSettingHeader.h"
#include "onboarding/OnboardingState.h"
#include "onboarding/OnboardingValueChoice.h"
#include "settings_ui/components/ToggleSwitch.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

constexpr int headingToPreview = 28;
constexpr int previewInset = 64;
constexpr int previewToCards = 30;
constexpr int rowGap = 16;
constexpr int cardSpacing = 16;

} // namespace

const OnboardingValueSelector::Options &OnboardingRhythmStep::intervalOptions()
{
    static const OnboardingValueSelector::Options options = {{"15m", 15}, {"20m", 20}, {"30m", 30}, {"45m", 45}};
    return options;
}

const OnboardingValueSelector::Options &OnboardingRhythmStep::durationOptions()
{
    static const OnboardingValueSelector::Options options = {{"20s", 20}, {"30s", 30}, {"45s", 45}, {"60s", 60}};
    return options;
}

const OnboardingValueSelector::Options &OnboardingRhythmStep::frequencyOptions()
{
    static const OnboardingValueSelector::Options options = {{"2", 2}, {"3", 3}, {"4", 4}, {"5", 5}};
    return options;
}

const OnboardingValueSelector::Options &OnboardingRhythmStep::longDurationOptions()
{
    static const OnboardingValueSelector::Options options = {{"3m", 180}, {"5m", 300}, {"10m", 600}, {"15m", 900}};
    return options;
}

OnboardingRhythmStep::OnboardingRhythmStep(OnboardingState &state, QWidget *parent)
    : OnboardingPage(parent)
    , m_state(state)
    , m_preview(new OnboardingRhythmPreview(this))
{
    addFlexibleSpace(14);
    addHeading(QStringLiteral("Build your rhythm"),
               QStringLiteral("The 20-20-20 rule uses a 20-second eye break every 20 minutes."));
    column()->addSpacing(headingToPreview);
    auto *previewRow = new QHBoxLayout;
    previewRow->setContentsMargins(previewInset, 0, previewInset, 0);
    previewRow->addWidget(m_preview);
    column()->addLayout(previewRow);
    column()->addSpacing(previewToCards);
    // Each left card is made first (see addCardRow): a call may make its arguments in either order.
    QWidget *intervalCard = buildSelectorCard(QStringLiteral("timer"), QStringLiteral("Focus interval"),
                                              intervalOptions(), "selectedInterval", &m_interval);
    QWidget *durationCard = buildSelectorCard(QStringLiteral("eye"), QStringLiteral("Short break"),
                                              durationOptions(), "selectedDuration", &m_duration);
    addCardRow(intervalCard, durationCard, Qt::AlignTop);
    column()->addSpacing(rowGap);
    QWidget *longBreaksCard = buildLongBreaksCard();
    addCardRow(longBreaksCard, buildDurationCard(), Qt::AlignTop);
    addFlexibleSpace(14);
    bind();
}

QList<QWidget *> OnboardingRhythmStep::focusOrder() const
{
    QList<QWidget *> order;
    for (OnboardingValueSelector *selector : {m_interval, m_duration})
        order += QList<QWidget *>(selector->tiles().cbegin(), selector->tiles().cend());
    order.append(m_longBreaksToggle);
    for (OnboardingValueSelector *selector : {m_frequency, m_longDuration})
        order += QList<QWidget *>(selector->tiles().cbegin(), selector->tiles().cend());
    return order;
}

QWidget *OnboardingRhythmStep::buildSelectorCard(const QString &icon, const QString &title,
                                                 const OnboardingValueSelector::Options &options,
                                                 const char *field, OnboardingValueSelector **selector)
{
    auto *card = new OnboardingCard(cardSpacing, this);
    *selector = new OnboardingValueSelector(icon, title, options, card);
    (*selector)->setFieldName(QLatin1String(field));
    card->column()->addWidget(*selector);
    return card;
}

QWidget *OnboardingRhythmStep::buildLongBreaksCard()
{
    auto *card = new OnboardingCard(cardSpacing, this);
    auto *headerRow = new QHBoxLayout;
    m_longBreaksHeader = new OnboardingSettingHeader(QStringLiteral("figure.walk"), QStringLiteral("Long breaks"),
                                                     QString(), card);
    headerRow->addWidget(m_longBreaksHeader, 1);
    m_longBreaksToggle = new ToggleSwitch(ToggleSwitch::Size::small, OnboardingPalette::green(), card);
    m_longBreaksToggle->setAccessibleName(QStringLiteral("Long breaks"));
    m_longBreaksToggle->setObjectName(QStringLiteral("longBreaksToggle"));
    headerRow->addWidget(m_longBreaksToggle, 0, Qt::AlignVCenter);
    card->column()->addLayout(headerRow);
    card->column()->addWidget(new OnboardingDivider(card));
    m_frequency = new OnboardingValueSelector(QStringLiteral("repeat"), QStringLiteral("After short breaks"),
                                              frequencyOptions(), card);
    m_frequency->setFieldName(QStringLiteral("longBreakFrequency"));
    card->column()->addWidget(m_frequency);
    return card;
}

QWidget *OnboardingRhythmStep::buildDurationCard()
{
    auto *card = new OnboardingCard(cardSpacing, this);
    m_durationHeader = new OnboardingSettingHeader(QStringLiteral("figure.walk.motion"),
                                                   QStringLiteral("Break duration"), QString(), card);
    card->column()->addWidget(m_durationHeader);
    card->column()->addWidget(new OnboardingDivider(card));
    m_longDuration = new OnboardingValueSelector(QStringLiteral("timer"), QStringLiteral("Long break duration"),
                                                 longDurationOptions(), card);
    m_longDuration->setFieldName(QStringLiteral("longBreakDuration"));
    card->column()->addWidget(m_longDuration);
    return card;
}

void OnboardingRhythmStep::bind()
{
    OnboardingState *state = &m_state;
    // The controls report; the state keeps the values and hands them back.
    connect(m_interval, &OnboardingValueSelector::chosen, state, &OnboardingState::setSelectedInterval);
    connect(m_duration, &OnboardingValueSelector::chosen, state, &OnboardingState::setSelectedDuration);
    connect(m_frequency, &OnboardingValueSelector::chosen, state, &OnboardingState::setLongBreakFrequency);
    connect(m_longDuration, &OnboardingValueSelector::chosen, state, &OnboardingState::setLongBreakDuration);
    connect(m_longBreaksToggle, &QAbstractButton::toggled, state, &OnboardingState::setLongBreaksEnabled);

    connect(state, &OnboardingState::selectedIntervalChanged, this, [this](int minutes) {
        m_interval->setSelection(minutes);
        m_preview->setIntervalMinutes(minutes);
    });
    connect(state, &OnboardingState::selectedDurationChanged, this, [this](int seconds) {
        m_duration->setSelection(seconds);
        m_preview->setBreakSeconds(seconds);
    });
    for (auto signal : {&OnboardingState::longBreakFrequencyChanged, &OnboardingState::longBreakDurationChanged})
        connect(state, signal, this, &OnboardingRhythmStep::showLongBreaks);
    connect(state, &OnboardingState::longBreaksEnabledChanged, this, &OnboardingRhythmStep::showLongBreaks);

    m_interval->setSelection(state->selectedInterval());
    m_duration->setSelection(state->selectedDuration());
    m_preview->setIntervalMinutes(state->selectedInterval());
    m_preview->setBreakSeconds(state->selectedDuration());
    showLongBreaks();
}

void OnboardingRhythmStep::showLongBreaks()
{
    const bool enabled = m_state.longBreaksEnabled();
    m_longBreaksToggle->setChecked(enabled);
    m_longBreaksHeader->setCaption(m_state.longBreaksCaption());
    m_durationHeader->setCaption(m_state.durationCaption());
    m_frequency->setSelection(m_state.longBreakFrequency());
    m_longDuration->setSelection(m_state.longBreakDuration());
    m_frequency->setDimmed(!enabled);
    m_longDuration->setDimmed(!enabled);
    m_preview->setLongBreaks(enabled, m_state.longBreakFrequency(), m_state.longBreakDuration() / 60);
}

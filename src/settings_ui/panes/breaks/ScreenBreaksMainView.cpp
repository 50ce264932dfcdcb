#include "settings_ui/panes/breaks/ScreenBreaksMainView.h"

#include "breakscreen/WindowManager.h"
#include "core/AppSettings.h"
#include "scheduling/BreakScheduler.h"
#include "scheduling/PlannedBreakScheduler.h"
#include "settings_ui/components/InfoTip.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/PaneParts.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingBinding.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/components/SettingsRowDivider.h"
#include "settings_ui/panes/breaks/BreakLimitsCard.h"
#include "settings_ui/panes/breaks/BreakRhythmCard.h"
#include "settings_ui/panes/breaks/EnforcementCard.h"
#include "settings_ui/panes/breaks/NavigationRowButton.h"

#include <QHBoxLayout>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Under Balanced a limit is always one of the pickers' values; none becomes this.
constexpr qint64 balancedDefaultLimit = 3;

QList<ValueComboBox::Option> options(std::initializer_list<std::pair<const char *, qint64>> entries)
{
    QList<ValueComboBox::Option> list;
    for (const auto &[label, value] : entries)
        list.append({QString::fromUtf8(label), QVariant::fromValue(value)});
    return list;
}

SchemeLabel *sectionWithGap(const QString &text)
{
    SchemeLabel *label = PaneLabels::section(text);
    // On top of the page's own spacing.
    label->setContentsMargins(0, 12, 0, 0);
    return label;
}

} // namespace

ScreenBreaksMainView::ScreenBreaksMainView(const ContentServices &services,
                                           ScreenBreaksNavigation navigate, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_settings(services.settings.get())
    , m_navigate(std::move(navigate))
    , m_enforcement(shownEnforcement(m_settings.enforcement()))
    , m_skipsPerDay(m_settings.skipsPerDay())
    , m_snoozesPerDay(m_settings.snoozesPerDay())
{
    setObjectName(QStringLiteral("breaks.main"));
    QVBoxLayout *page = PaneParts::column(this);
    page->addWidget(PaneLabels::header(QStringLiteral("Breaks"),
                                             QStringLiteral("Customize your break schedule and experience.")));
    buildSchedule(page);
    buildNavigation(page);
    buildEnforcement(page);
    page->addWidget(new InfoTip(QStringLiteral("lightbulb.fill"), QStringLiteral("Consistency is key"),
                                QStringLiteral("Regular short breaks are more effective than occasional long "
                                               "ones. Find a rhythm that works for you."),
                                NamedColor::blue));
    page->addStretch(1);
    followRowTexts();
    showEnforcement();
}

void ScreenBreaksMainView::buildSchedule(QVBoxLayout *page)
{
    page->addWidget(PaneLabels::section(QStringLiteral("Schedule")));
    auto *interval = new BreakRhythmCard(
        {QStringLiteral("timer"), NamedColor::green, QStringLiteral("Break interval"),
         QStringLiteral("How often you take a break"), QStringLiteral("Every")},
        options({{"10 min", 10}, {"15 min", 15}, {"20 min", 20}, {"25 min", 25}, {"30 min", 30},
                 {"45 min", 45}, {"1 hour", 60}, {"90 min", 90}}));
    auto *duration = new BreakRhythmCard(
        {QStringLiteral("hourglass"), NamedColor::blue, QStringLiteral("Break duration"),
         QStringLiteral("How long each break lasts"), QStringLiteral("Duration")},
        options({{"15 sec", 15}, {"20 sec", 20}, {"30 sec", 30}, {"45 sec", 45}, {"60 sec", 60},
                 {"90 sec", 90}, {"2 min", 120}, {"5 min", 300}}));
    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    row->addWidget(interval, 1, Qt::AlignTop);
    row->addWidget(duration, 1, Qt::AlignTop);
    page->addLayout(row);
    bindInterval(interval);
    bindDuration(duration);
}

void ScreenBreaksMainView::bindInterval(BreakRhythmCard *card)
{
    card->setPickerName(QStringLiteral("breakInterval"));
    ValueComboBox *picker = card->picker();
    const auto show = [this, picker] {
        const QSignalBlocker block(picker);
        picker->setValue(QVariant::fromValue(m_settings.breakInterval()));
    };
    show();
    connect(&m_settings, &AppSettings::breakIntervalChanged, picker, show);
    // Choosing the entry already shown still counts: it is how a custom interval is left.
    connect(picker, &ValueComboBox::valueActivated, this, [this](const QVariant &minutes) {
        m_settings.setBreakInterval(minutes.toLongLong());
        m_settings.setUseCustomInterval(false);
        m_services.breakScheduler->resetTimer();
    });
}

void ScreenBreaksMainView::bindDuration(BreakRhythmCard *card)
{
    card->setPickerName(QStringLiteral("breakDuration"));
    SettingBinding::bindChoice<qint64>(card->picker(), &m_settings, &AppSettings::breakDuration,
                                       &AppSettings::setBreakDuration,
                                       &AppSettings::breakDurationChanged);
}

void ScreenBreaksMainView::buildNavigation(QVBoxLayout *page)
{
    page->addWidget(sectionWithGap(QStringLiteral("Customize")));
    auto *card = new SettingCard;
    addNavigationRow(card->rows(), QStringLiteral("breaks.customize"), QStringLiteral("wand.and.stars"),
                     NamedColor::purple, QStringLiteral("Customize break screen"),
                     QStringLiteral("Wallpaper, message & countdown"));
    card->addRow(new SettingsRowDivider);
    m_longBreaksRow = addNavigationRow(card->rows(), QStringLiteral("breaks.longBreaks"),
                                       QStringLiteral("flame.fill"), NamedColor::orange,
                                       QStringLiteral("Long breaks"), QString());
    card->addRow(new SettingsRowDivider);
    m_workingHoursRow = addNavigationRow(card->rows(), QStringLiteral("breaks.officeHours"),
                                         QStringLiteral("clock.fill"), NamedColor::blue,
                                         QStringLiteral("Working hours"), QString());
    card->addRow(new SettingsRowDivider);
    m_scheduledBreaksRow = addNavigationRow(card->rows(), QStringLiteral("breaks.scheduledBreaks"),
                                            QStringLiteral("calendar.badge.clock"), NamedColor::teal,
                                            QStringLiteral("Scheduled breaks"), QString());
    page->addWidget(card);
    connect(m_longBreaksRow, &QAbstractButton::clicked, this,
            [this] { m_navigate(ScreenBreaksSubpage::longBreaks); });
    connect(m_workingHoursRow, &QAbstractButton::clicked, this,
            [this] { m_navigate(ScreenBreaksSubpage::officeHours); });
    connect(m_scheduledBreaksRow, &QAbstractButton::clicked, this,
            [this] { m_navigate(ScreenBreaksSubpage::scheduledBreaks); });
    connect(findChild<NavigationRowButton *>(QStringLiteral("breaks.customize")), &QAbstractButton::clicked,
            this, &ScreenBreaksMainView::openCustomizer);
}

NavigationRowButton *ScreenBreaksMainView::addNavigationRow(QVBoxLayout *card, const QString &name,
                                                            const QString &symbol, NamedColor colour,
                                                            const QString &title, const QString &detail)
{
    auto *button = new NavigationRowButton(symbol, colour, title, detail);
    button->setObjectName(name);
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    // The button's own margins hold its focus ring: together 16 and 10 pixels of padding.
    const QMargins ring = NavigationRowButton::ringRoom;
    layout->setContentsMargins(16 - ring.left(), 10 - ring.top(), 16 - ring.right(), 10 - ring.bottom());
    layout->addWidget(button);
    card->addWidget(row);
    return button;
}

NavigationRowButton *ScreenBreaksMainView::row(ScreenBreaksSubpage subpage) const
{
    switch (subpage) {
    case ScreenBreaksSubpage::officeHours:
        return m_workingHoursRow;
    case ScreenBreaksSubpage::longBreaks:
        return m_longBreaksRow;
    case ScreenBreaksSubpage::scheduledBreaks:
        return m_scheduledBreaksRow;
    case ScreenBreaksSubpage::main:
        break;
    }
    return nullptr;
}

void ScreenBreaksMainView::openCustomizer()
{
    // Before the application has published its window manager there is nowhere to open it.
    if (WindowManager *manager = WindowManager::shared())
        manager->settingsController().showCustomizer();
}

void ScreenBreaksMainView::followRowTexts()
{
    const auto showLongBreaks = [this] {
        m_longBreaksRow->setDetail(longBreaksDetail(m_settings.longBreaksEnabled(),
                                                    m_settings.longBreakFrequency(),
                                                    m_settings.longBreakDuration()));
    };
    const auto showWorkingHours = [this] {
        m_workingHoursRow->setDetail(workingHoursDetail(m_settings.officeHoursEnabled()));
    };
    PlannedBreakScheduler &planned = m_services.plannedBreaks.get();
    const auto showScheduled = [this, &planned] {
        m_scheduledBreaksRow->setDetail(scheduledBreaksDetail(planned.breaks()));
    };
    showLongBreaks();
    showWorkingHours();
    showScheduled();
    connect(&m_settings, &AppSettings::longBreaksEnabledChanged, this, showLongBreaks);
    connect(&m_settings, &AppSettings::longBreakFrequencyChanged, this, showLongBreaks);
    connect(&m_settings, &AppSettings::longBreakDurationChanged, this, showLongBreaks);
    connect(&m_settings, &AppSettings::officeHoursEnabledChanged, this, showWorkingHours);
    connect(&planned, &PlannedBreakScheduler::breaksChanged, this, showScheduled);
}

void ScreenBreaksMainView::buildEnforcement(QVBoxLayout *page)
{
    page->addWidget(sectionWithGap(QStringLiteral("Enforcement")));
    auto *row = new QHBoxLayout;
    // The cards keep room for their shadows at the sides; the gap between their shapes is 12.
    row->setSpacing(12 - 2 * EnforcementCard::sideOutset);
    for (BreakEnforcement mode : allBreakEnforcements()) {
        auto *card = new EnforcementCard(mode);
        card->setObjectName(QStringLiteral("enforcement:") + breakEnforcementRawValue(mode));
        connect(card, &QAbstractButton::clicked, this, [this, mode] { applyEnforcement(mode); });
        row->addWidget(card, 1);
        m_enforcementCards[mode] = card;
    }
    // The cards keep room below for their shadows too; the limits follow the page's gap.
    auto *group = new QVBoxLayout;
    group->setSpacing(20 - EnforcementCard::bottomOutset);
    group->addLayout(row);
    m_limits = new BreakLimitsCard;
    group->addWidget(m_limits);
    page->addLayout(group);
    connect(m_limits, &BreakLimitsCard::skipsPerDayChosen, this, &ScreenBreaksMainView::setSkipsPerDay);
    connect(m_limits, &BreakLimitsCard::snoozesPerDayChosen, this, &ScreenBreaksMainView::setSnoozesPerDay);
    // Whoever changes the mode or a limit, the cards show it.
    connect(&m_settings, &AppSettings::enforcementChanged, this, [this](const QString &stored) {
        m_enforcement = shownEnforcement(stored);
        showEnforcement();
    });
    connect(&m_settings, &AppSettings::skipsPerDayChanged, this, [this](qint64 limit) {
        m_skipsPerDay = limit;
        showEnforcement();
    });
    connect(&m_settings, &AppSettings::snoozesPerDayChanged, this, [this](qint64 limit) {
        m_snoozesPerDay = limit;
        showEnforcement();
    });
}

void ScreenBreaksMainView::showEnforcement()
{
    for (const auto &[mode, card] : m_enforcementCards)
        card->setSelected(mode == m_enforcement);
    m_limits->setMode(m_enforcement);
    m_limits->setLimits(m_skipsPerDay, m_snoozesPerDay);
}

void ScreenBreaksMainView::setSkipsPerDay(qint64 limit)
{
    m_skipsPerDay = limit;
    m_settings.setSkipsPerDay(limit);
}

void ScreenBreaksMainView::setSnoozesPerDay(qint64 limit)
{
    m_snoozesPerDay = limit;
    m_settings.setSnoozesPerDay(limit);
}

void ScreenBreaksMainView::applyEnforcement(BreakEnforcement mode)
{
    m_enforcement = mode;
    m_settings.setEnforcement(breakEnforcementRawValue(mode));
    if (mode == BreakEnforcement::casual) {
        // No limit at all; Balanced later starts again from its own default.
        setSkipsPerDay(0);
        setSnoozesPerDay(0);
    } else if (mode == BreakEnforcement::balanced) {
        if (m_skipsPerDay == 0)
            setSkipsPerDay(balancedDefaultLimit);
        if (m_snoozesPerDay == 0)
            setSnoozesPerDay(balancedDefaultLimit);
    }
    showEnforcement();
}

void ScreenBreaksMainView::syncLimits()
{
    m_skipsPerDay = m_settings.skipsPerDay();
    m_snoozesPerDay = m_settings.snoozesPerDay();
    if (m_enforcement == BreakEnforcement::balanced) {
        if (m_skipsPerDay == 0)
            setSkipsPerDay(balancedDefaultLimit);
        if (m_snoozesPerDay == 0)
            setSnoozesPerDay(balancedDefaultLimit);
    }
    showEnforcement();
}

void ScreenBreaksMainView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Each appearance, not a window coming back from being minimised.
    if (!event->spontaneous())
        syncLimits();
}

BreakEnforcement ScreenBreaksMainView::shownEnforcement(const QString &stored)
{
    return breakEnforcementFromRawValue(stored).value_or(BreakEnforcement::casual);
}

QString ScreenBreaksMainView::longBreaksDetail(bool enabled, qint64 frequency, qint64 durationSeconds)
{
    if (!enabled)
        return QStringLiteral("Disabled");
    // Whole minutes; what is left over is dropped.
    return QStringLiteral("Every %1 breaks, %2 min").arg(frequency).arg(durationSeconds / 60);
}

QString ScreenBreaksMainView::workingHoursDetail(bool enabled)
{
    return enabled ? QStringLiteral("Active schedule") : QStringLiteral("Disabled");
}

QString ScreenBreaksMainView::scheduledBreaksDetail(const QList<PlannedBreak> &breaks)
{
    if (breaks.isEmpty())
        return QStringLiteral("None");
    const auto enabled = std::count_if(breaks.cbegin(), breaks.cend(),
                                       [](const PlannedBreak &planned) { return planned.enabled; });
    if (enabled == 0)
        return QStringLiteral("%1 paused").arg(breaks.size());
    return QStringLiteral("%1 active").arg(enabled);
}

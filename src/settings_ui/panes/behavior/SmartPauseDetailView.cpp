#include "settings_ui/panes/behavior/SmartPauseDetailView.h"

#include "core/AppSettings.h"
#include "settings_ui/components/FadeIn.h"
#include "settings_ui/components/InfoTip.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/PaneParts.h"
#include "settings_ui/components/PaneRows.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/components/SettingsRowDivider.h"
#include "settings_ui/components/SymbolTile.h"
#include "settings_ui/components/ValueComboBox.h"
#include "settings_ui/panes/behavior/SensitivityCard.h"
#include "settings_ui/panes/behavior/SensitivityDetailCard.h"
#include "settings_ui/window/ContentServices.h"

#include <QBoxLayout>

#include <algorithm>

namespace {

constexpr int sectionSpacing = 20;
constexpr int idleLabelLead = 4;
constexpr int sensitivityLabelLead = 12;
constexpr int pickerWidth = 100;
constexpr int cardGap = 10;
constexpr double rowsFadeSeconds = 0.2;
const QMargins pickerRowMargins(16, 10, 16, 10);

// A row of the idle card: the symbol, the title (and its line below), the picker at the end.
QWidget *pickerRow(const QString &symbol, const QString &title, const QString &subtitle, ValueComboBox *picker)
{
    QBoxLayout *layout = nullptr;
    QWidget *row = PaneRows::row(pickerRowMargins, 10, &layout);
    layout->addWidget(new SymbolTile(symbol, 14, QFont::Normal, QSize(16, 16), NamedColor::secondaryLabel), 0,
                      Qt::AlignVCenter);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    SchemeLabel *label = PaneLabels::primary(title, 13);
    label->setBuddy(picker);
    texts->addWidget(label);
    if (!subtitle.isEmpty())
        texts->addWidget(PaneLabels::note(subtitle, 11));
    layout->addLayout(texts, 1);
    picker->setAccessibleName(title);
    layout->addWidget(picker, 0, Qt::AlignVCenter);
    return row;
}

} // namespace

QWidget *SmartPauseDetailView::make(const ContentServices &services)
{
    return new SmartPauseDetailView(services);
}

SmartPauseDetailView::SmartPauseDetailView(const ContentServices &services, QWidget *parent)
    : QWidget(parent)
    , m_settings(*services.settings)
    , m_sensitivity(reminderSensitivityFromStored(m_settings.reminderSensitivity()))
    , m_customIdleMinutes(m_settings.idleTimeoutMinutes())
    , m_gentleDelay(m_settings.gentleDelaySeconds())
    // Never below the idle timeout: an absence shorter than the timeout is no absence.
    , m_idleResetThreshold(std::max(m_settings.idleTimeoutMinutes(), m_settings.idleResetThresholdMinutes()))
    , m_idleDetectionEnabled(m_settings.idleDetectionEnabled())
{
    setObjectName(QStringLiteral("pane:Smart Behavior"));
    QVBoxLayout *stack = PaneParts::column(this, sectionSpacing);
    stack->addWidget(PaneLabels::header(QStringLiteral("Smart Behavior"),
                                        QStringLiteral("Control how Lumenpause responds to your activity and "
                                                       "environment.")));
    stack->addWidget(PaneParts::section(QStringLiteral("Idle Detection"), idleLabelLead));
    stack->addWidget(buildIdleCard());
    stack->addWidget(new InfoTip(QStringLiteral("lightbulb.fill"), QStringLiteral("How idle detection works"),
                                 QStringLiteral("Brief inactivity keeps the timer running. Once you're considered "
                                                "away, the timer pauses from when you left. Only reaching the full "
                                                "reset threshold starts a fresh interval."),
                                 NamedColor::blue));
    // The cards keep room above for their growth under the pointer; their shapes follow the
    // label at the pane's gap.
    auto *sensitivity = new QVBoxLayout;
    sensitivity->setSpacing(sectionSpacing - SensitivityCard::topOutset);
    sensitivity->addWidget(PaneParts::section(QStringLiteral("Break Sensitivity — when a break is due"),
                                        sensitivityLabelLead));
    sensitivity->addWidget(buildSensitivity());
    stack->addLayout(sensitivity);
    stack->addWidget(new InfoTip(QStringLiteral("lightbulb.fill"),
                                 QStringLiteral("Sensitivity only applies when a break is due"),
                                 QStringLiteral("It doesn't affect how often breaks occur — only what happens at the "
                                                "moment a break fires. Your interval timer runs independently."),
                                 NamedColor::blue));
}

QList<qint64> SmartPauseDetailView::resetThresholdOptions(qint64 idleMinutes, qint64 threshold)
{
    QList<qint64> options;
    for (const qint64 candidate : {5, 10, 15, 30, 60}) {
        if (candidate >= idleMinutes)
            options.append(candidate);
    }
    if (!options.contains(threshold))
        options.append(threshold);
    std::sort(options.begin(), options.end());
    return options;
}

void SmartPauseDetailView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The mirror was raised to the idle timeout when the pane was made; a stored threshold
    // below it is raised with it now, and an equal one is not written again.
    if (m_settings.idleResetThresholdMinutes() != m_idleResetThreshold)
        m_settings.setIdleResetThresholdMinutes(m_idleResetThreshold);
}

QWidget *SmartPauseDetailView::buildIdleCard()
{
    auto *card = new SettingCard;
    card->addRow(buildIdleSwitchRow());
    card->addRow(buildIdleRows());
    m_idleRows->setVisible(m_idleDetectionEnabled);
    return card;
}

QWidget *SmartPauseDetailView::buildIdleSwitchRow()
{
    QBoxLayout *layout = nullptr;
    QWidget *row = PaneRows::row(QMargins(16, 12, 16, 12), 10, &layout);
    layout->addWidget(new SymbolTile(QStringLiteral("person.fill.questionmark"), 15, QFont::Medium, QSize(28, 28),
                                     NamedColors::color(NamedColor::purple, ColorScheme::light), 6),
                      0, Qt::AlignVCenter);
    const QString title = QStringLiteral("Pause when idle");
    layout->addLayout(
        PaneRows::titled(title, QFont::Medium, QStringLiteral("Stop the timer when you're away from the computer")), 1);
    ToggleSwitch *control = PaneRows::newSwitch(QStringLiteral("idleDetectionEnabled"), ToggleSwitch::Size::small);
    control->setAccessibleName(title);
    control->setChecked(m_idleDetectionEnabled);
    connect(control, &QAbstractButton::toggled, this, &SmartPauseDetailView::setIdleDetectionEnabled);
    layout->addWidget(control, 0, Qt::AlignVCenter);
    return row;
}

QWidget *SmartPauseDetailView::buildIdleRows()
{
    m_idleRows = new QWidget;
    m_idleRows->setObjectName(QStringLiteral("idleRows"));
    auto *rows = new QVBoxLayout(m_idleRows);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    auto *timeout = new ValueComboBox(ValueComboBox::numbered({2, 5, 10, 15, 30}, QStringLiteral(" min")), pickerWidth);
    timeout->setObjectName(QStringLiteral("idleTimeoutMinutes"));
    // A stored timeout no entry offers shows no entry, and stays as it is until one is chosen.
    timeout->setValue(QVariant::fromValue(m_customIdleMinutes));
    connect(timeout, &ValueComboBox::valueActivated, this,
            [this](const QVariant &value) { chooseIdleMinutes(value.value<qint64>()); });
    m_resetPicker = new ValueComboBox({}, pickerWidth);
    m_resetPicker->setObjectName(QStringLiteral("idleResetThresholdMinutes"));
    connect(m_resetPicker, &ValueComboBox::valueActivated, this,
            [this](const QVariant &value) { chooseResetThreshold(value.value<qint64>()); });
    showResetOptions();
    rows->addWidget(new SettingsRowDivider);
    rows->addWidget(pickerRow(QStringLiteral("clock"), QStringLiteral("Consider idle after"), QString(), timeout));
    rows->addWidget(new SettingsRowDivider);
    rows->addWidget(pickerRow(QStringLiteral("arrow.counterclockwise"), QStringLiteral("Full timer reset after"),
                              QStringLiteral("Shorter absences resume from where you left off"), m_resetPicker));
    return m_idleRows;
}

QWidget *SmartPauseDetailView::buildSensitivity()
{
    auto *section = new QWidget;
    auto *stack = new QVBoxLayout(section);
    stack->setContentsMargins(0, 0, 0, 0);
    // The cards keep room below for their shadows; the detail card follows at the pane's gap.
    stack->setSpacing(sectionSpacing - SensitivityCard::bottomOutset);
    auto *row = new QHBoxLayout;
    // The cards keep room for their shadows at the sides too; the gap between their shapes
    // is the row's spacing.
    row->setSpacing(cardGap - 2 * SensitivityCard::sideOutset);
    for (ReminderSensitivity mode : allReminderSensitivities()) {
        auto *card = new SensitivityCard(mode);
        connect(card, &QAbstractButton::clicked, this, [this, mode] { chooseSensitivity(mode); });
        row->addWidget(card, 1);
        m_cards[mode] = card;
    }
    stack->addLayout(row);
    m_detail = new SensitivityDetailCard;
    m_detail->showWait(m_gentleDelay);
    connect(m_detail, &SensitivityDetailCard::waitChosen, this, &SmartPauseDetailView::chooseGentleDelay);
    stack->addWidget(m_detail);
    showSensitivity();
    return section;
}

void SmartPauseDetailView::setIdleDetectionEnabled(bool enabled)
{
    if (enabled == m_idleDetectionEnabled)
        return;
    m_idleDetectionEnabled = enabled;
    m_settings.setIdleDetectionEnabled(enabled);
    // Gone at once; back with a short fade while the pane is on screen.
    m_idleRows->setVisible(enabled);
    if (enabled)
        FadeIn::start(m_idleRows, rowsFadeSeconds);
}

void SmartPauseDetailView::chooseIdleMinutes(qint64 minutes)
{
    if (minutes == m_customIdleMinutes)
        return;
    m_customIdleMinutes = minutes;
    m_settings.setIdleTimeoutMinutes(minutes);
    // The threshold follows a timeout raised above it; a lowered timeout leaves it be.
    if (m_idleResetThreshold < minutes)
        chooseResetThreshold(minutes);
    else
        showResetOptions();
}

void SmartPauseDetailView::chooseResetThreshold(qint64 minutes)
{
    if (minutes == m_idleResetThreshold)
        return;
    m_idleResetThreshold = minutes;
    m_settings.setIdleResetThresholdMinutes(minutes);
    showResetOptions();
}

void SmartPauseDetailView::chooseGentleDelay(qint64 seconds)
{
    if (seconds == m_gentleDelay)
        return;
    m_gentleDelay = seconds;
    m_settings.setGentleDelaySeconds(seconds);
}

void SmartPauseDetailView::chooseSensitivity(ReminderSensitivity sensitivity)
{
    // The card already chosen writes nothing, so a stored text none of the cards names stays
    // until another card is chosen.
    if (sensitivity == m_sensitivity)
        return;
    m_sensitivity = sensitivity;
    m_settings.setReminderSensitivity(reminderSensitivityRawValue(sensitivity));
    showSensitivity();
}

void SmartPauseDetailView::showResetOptions()
{
    const QSignalBlocker block(m_resetPicker);
    m_resetPicker->clear();
    const QList<qint64> minutes = resetThresholdOptions(m_customIdleMinutes, m_idleResetThreshold);
    for (const ValueComboBox::Option &option : ValueComboBox::numbered(minutes, QStringLiteral(" min")))
        m_resetPicker->addItem(option.label, option.value);
    m_resetPicker->setValue(QVariant::fromValue(m_idleResetThreshold));
}

void SmartPauseDetailView::showSensitivity()
{
    for (const auto &[mode, card] : m_cards)
        card->setSelected(mode == m_sensitivity);
    m_detail->showSensitivity(m_sensitivity);
}

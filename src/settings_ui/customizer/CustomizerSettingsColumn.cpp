#include "settings_ui/customizer/CustomizerSettingsColumn.h"

#include "breakscreen/BreakScreenConfig.h"
#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingBinding.h"
#include "settings_ui/customizer/BackgroundGrid.h"
#include "settings_ui/customizer/CountdownPicker.h"
#include "settings_ui/customizer/CustomMessageField.h"
#include "settings_ui/customizer/CustomizerToggleRow.h"
#include "settings_ui/customizer/EscapePicker.h"
#include "settings_ui/customizer/MessageGrid.h"

#include <QVBoxLayout>

namespace {

// Shows the configuration's value, writes a pick back and follows later changes; a pick of
// the value already held changes nothing, so it saves nothing either.
template <typename Picker, typename Value>
void bindPicker(Picker *picker, BreakScreenConfig &config, Value (BreakScreenConfig::*getter)() const,
                void (BreakScreenConfig::*setter)(Value), void (BreakScreenConfig::*changed)(Value))
{
    picker->setSelection((config.*getter)());
    QObject::connect(picker, &Picker::picked, &config, setter);
    QObject::connect(&config, changed, picker, &Picker::setSelection);
}

} // namespace

CustomizerSettingsColumn::CustomizerSettingsColumn(BreakScreenConfig &config, QWidget *parent)
    : QScrollArea(parent)
    , m_config(config)
{
    setFixedWidth(columnWidth);
    setFrameShape(QFrame::NoFrame);
    // Tab goes through the controls; the column around them is no stop of its own, and still
    // scrolls to the control that takes the focus.
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    auto *content = new QWidget;
    content->setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
    auto *rows = new QVBoxLayout(content);
    rows->setContentsMargins(padding, padding, padding, padding);
    rows->setSpacing(rowSpacing);
    buildMessageRows(rows);
    buildPickerRows(rows);
    buildToggleRows(rows);
    buildFootnote(rows);
    rows->addStretch(1);
    setWidget(content);
}

void CustomizerSettingsColumn::addHeading(QVBoxLayout *rows, const QString &title, bool first)
{
    auto *heading = PaneLabels::section(title);
    // A margin of its own: a spacer item would take the rows' spacing a second time.
    heading->setContentsMargins(0, first ? 0 : headingExtraSpace, 0, 0);
    rows->addWidget(heading);
}

void CustomizerSettingsColumn::buildMessageRows(QVBoxLayout *rows)
{
    addHeading(rows, QStringLiteral("Message"), true);
    m_messages = new MessageGrid;
    bindPicker(m_messages, m_config, &BreakScreenConfig::message, &BreakScreenConfig::setMessage,
               &BreakScreenConfig::messageChanged);
    rows->addWidget(m_messages);

    // Hidden under another choice, the text stays in the configuration for when Custom
    // comes back.
    m_customMessage = new CustomMessageField;
    m_customMessage->setMessage(m_config.customMessage());
    m_customMessage->setVisible(m_config.message() == BreakScreenMessage::custom);
    connect(m_customMessage, &CustomMessageField::edited, &m_config, &BreakScreenConfig::setCustomMessage);
    connect(&m_config, &BreakScreenConfig::customMessageChanged, m_customMessage, &CustomMessageField::setMessage);
    connect(&m_config, &BreakScreenConfig::messageChanged, m_customMessage,
            [field = m_customMessage](BreakScreenMessage message) {
                field->setVisible(message == BreakScreenMessage::custom);
            });
    rows->addWidget(m_customMessage);
}

void CustomizerSettingsColumn::buildPickerRows(QVBoxLayout *rows)
{
    addHeading(rows, QStringLiteral("Background"));
    m_backgrounds = new BackgroundGrid;
    bindPicker(m_backgrounds, m_config, &BreakScreenConfig::background, &BreakScreenConfig::setBackground,
               &BreakScreenConfig::backgroundChanged);
    rows->addWidget(m_backgrounds);

    addHeading(rows, QStringLiteral("Countdown"));
    m_countdowns = new CountdownPicker;
    bindPicker(m_countdowns, m_config, &BreakScreenConfig::countdownStyle,
               &BreakScreenConfig::setCountdownStyle, &BreakScreenConfig::countdownStyleChanged);
    rows->addWidget(m_countdowns);

    addHeading(rows, QStringLiteral("Escape"));
    m_escape = new EscapePicker;
    bindPicker(m_escape, m_config, &BreakScreenConfig::escapeBehavior, &BreakScreenConfig::setEscapeBehavior,
               &BreakScreenConfig::escapeBehaviorChanged);
    rows->addWidget(m_escape);
}

void CustomizerSettingsColumn::buildToggleRows(QVBoxLayout *rows)
{
    addHeading(rows, QStringLiteral("Buttons"));
    auto *toggles = new QVBoxLayout;
    toggles->setSpacing(toggleSpacing);
    toggles->addWidget(toggleRow(QStringLiteral("clock"), QStringLiteral("Current time"), QStringLiteral("break.clock"),
                                 &BreakScreenConfig::clockVisible, &BreakScreenConfig::setClockVisible,
                                 &BreakScreenConfig::clockVisibleChanged));
    toggles->addWidget(toggleRow(QStringLiteral("forward.fill"), QStringLiteral("Skip"), QStringLiteral("break.showSkip"),
                                 &BreakScreenConfig::showSkip, &BreakScreenConfig::setShowSkip,
                                 &BreakScreenConfig::showSkipChanged));
    toggles->addWidget(toggleRow(QStringLiteral("moon.fill"), QStringLiteral("Snooze"), QStringLiteral("break.showSnooze"),
                                 &BreakScreenConfig::showSnooze, &BreakScreenConfig::setShowSnooze,
                                 &BreakScreenConfig::showSnoozeChanged));
    rows->addLayout(toggles);
}

CustomizerToggleRow *CustomizerSettingsColumn::toggleRow(const QString &symbolName, const QString &label,
                                                         const QString &key, bool (BreakScreenConfig::*getter)() const,
                                                         void (BreakScreenConfig::*setter)(bool),
                                                         void (BreakScreenConfig::*changed)(bool))
{
    auto *row = new CustomizerToggleRow(symbolName, label);
    row->toggle()->setObjectName(key);
    SettingBinding::bindSwitch(row->toggle(), &m_config, getter, setter, changed);
    // The switch is set quietly from the configuration; the row's colours follow it as well.
    connect(&m_config, changed, row, qOverload<>(&QWidget::update));
    return row;
}

void CustomizerSettingsColumn::buildFootnote(QVBoxLayout *rows)
{
    auto *footnote = PaneLabels::tertiary(QStringLiteral("Preview may vary slightly in actual break."), 10);
    footnote->setContentsMargins(0, footnoteExtraSpace, 0, 0);
    footnote->setWordWrap(true);
    rows->addWidget(footnote);
}

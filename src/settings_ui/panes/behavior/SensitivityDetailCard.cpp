#include "settings_ui/panes/behavior/SensitivityDetailCard.h"

#include "settings_ui/components/FadeIn.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingsRowDivider.h"
#include "settings_ui/components/SymbolTile.h"
#include "settings_ui/components/ValueComboBox.h"

#include <QBoxLayout>

namespace {

constexpr int padding = 16;
constexpr int spacing = 8;
constexpr int waitRowLead = 4;
constexpr int pickerWidth = 90;
constexpr double waitFadeSeconds = 0.2;

QList<ValueComboBox::Option> waitOptions()
{
    return ValueComboBox::numbered({3, 5, 10, 15, 30}, QStringLiteral(" sec"));
}

} // namespace

SensitivityDetailCard::SensitivityDetailCard(QWidget *parent)
    : SettingCard(parent)
{
    setObjectName(QStringLiteral("sensitivityDetail"));
    auto *content = new QWidget;
    auto *stack = new QVBoxLayout(content);
    stack->setContentsMargins(0, padding, 0, padding);
    stack->setSpacing(spacing);
    stack->addWidget(buildSummary());
    stack->addWidget(buildWaitPart());
    addRow(content);
}

QWidget *SensitivityDetailCard::buildSummary()
{
    auto *summary = new QWidget;
    auto *stack = new QVBoxLayout(summary);
    stack->setContentsMargins(padding, 0, padding, 0);
    stack->setSpacing(spacing);
    auto *titleRow = new QHBoxLayout;
    titleRow->setSpacing(spacing);
    for (ReminderSensitivity sensitivity : allReminderSensitivities()) {
        auto *symbol = new SymbolTile(reminderSensitivitySymbol(sensitivity), 13, QFont::Normal, QSize(15, 15),
                                      reminderSensitivityColour(sensitivity));
        symbol->hide();
        titleRow->addWidget(symbol, 0, Qt::AlignVCenter);
        m_symbols[sensitivity] = symbol;
    }
    m_title = PaneLabels::primary(QString(), 13, QFont::Medium);
    titleRow->addWidget(m_title, 1);
    stack->addLayout(titleRow);
    // Wrapped to the card's width, and as tall as that makes it.
    m_explanation = PaneLabels::note(QString(), 11);
    m_explanation->setObjectName(QStringLiteral("sensitivityExplanation"));
    stack->addWidget(m_explanation);
    return summary;
}

QWidget *SensitivityDetailCard::buildWaitPart()
{
    m_waitPart = new QWidget;
    auto *stack = new QVBoxLayout(m_waitPart);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(spacing);
    // Across the card, as the dividers between rows of other cards run.
    stack->addWidget(new SettingsRowDivider);
    auto *row = new QHBoxLayout;
    row->setContentsMargins(padding, waitRowLead, padding, 0);
    const QString title = QStringLiteral("Wait after activity stops");
    auto *label = PaneLabels::primary(title, 13);
    row->addWidget(label, 1);
    m_waitPicker = new ValueComboBox(waitOptions(), pickerWidth);
    m_waitPicker->setObjectName(QStringLiteral("gentleDelaySeconds"));
    m_waitPicker->setAccessibleName(title);
    label->setBuddy(m_waitPicker);
    connect(m_waitPicker, &ValueComboBox::valueActivated, this,
            [this](const QVariant &value) { emit waitChosen(value.value<qint64>()); });
    row->addWidget(m_waitPicker, 0, Qt::AlignVCenter);
    stack->addLayout(row);
    return m_waitPart;
}

void SensitivityDetailCard::showSensitivity(ReminderSensitivity sensitivity)
{
    for (const auto &[mode, symbol] : m_symbols)
        symbol->setVisible(mode == sensitivity);
    m_title->setText(reminderSensitivityRawValue(sensitivity));
    m_explanation->setText(reminderSensitivityExplanation(sensitivity));
    const bool waits = sensitivity != ReminderSensitivity::persistent;
    const bool appears = waits && m_waitPart->isHidden();
    m_waitPart->setVisible(waits);
    // Fades only on screen: the card's first look is drawn at once.
    if (appears)
        FadeIn::start(m_waitPart, waitFadeSeconds);
}

void SensitivityDetailCard::showWait(qint64 seconds)
{
    const QSignalBlocker block(m_waitPicker);
    m_waitPicker->setValue(QVariant::fromValue(seconds));
}

QString SensitivityDetailCard::explanation() const
{
    return m_explanation->text();
}

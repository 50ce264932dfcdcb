#include "settings_ui/panes/breaks/LongBreaksView.h"

#include "core/AppSettings.h"
#include "settings_ui/components/BreaksSettingRow.h"
#include "settings_ui/components/InfoTip.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/PaneParts.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SectionReveal.h"
#include "settings_ui/components/SettingBinding.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/components/SettingsRowDivider.h"
#include "settings_ui/components/SymbolTile.h"
#include "settings_ui/components/ToggleSwitch.h"
#include "settings_ui/components/ValueComboBox.h"
#include "settings_ui/panes/breaks/LongBreakResumeRow.h"

#include <QVBoxLayout>

namespace {

QList<ValueComboBox::Option> frequencyOptions()
{
    return ValueComboBox::numbered({2, 3, 4, 5, 6}, QStringLiteral(" short breaks"));
}

QList<ValueComboBox::Option> durationOptions()
{
    return ValueComboBox::numbered({2, 5, 10, 15}, QStringLiteral(" min"), 60);
}

const QList<LongBreakResumeRow::Facts> &resumeChoices()
{
    static const QList<LongBreakResumeRow::Facts> choices = {
        {QStringLiteral("auto"), QStringLiteral("play.circle.fill"), QStringLiteral("Resume automatically"),
         QStringLiteral("Timer continues right away")},
        {QStringLiteral("confirm"), QStringLiteral("hand.raised.fill"), QStringLiteral("Wait for confirmation"),
         QStringLiteral("You decide when to resume")},
        {QStringLiteral("activity"), QStringLiteral("keyboard.fill"),
         QStringLiteral("On keyboard/mouse activity"), QStringLiteral("Resumes on first input")},
    };
    return choices;
}

QWidget *pickerRow(const QString &symbol, const QString &title, ValueComboBox *picker)
{
    picker->setAccessibleName(title);
    return new BreaksSettingRow(SymbolTile::mark(symbol, 14, NamedColor::secondaryLabel, 18), title,
                                QString(), picker, QMargins(16, 10, 16, 10), QFont::Normal);
}

} // namespace

LongBreaksView::LongBreaksView(const ContentServices &services, ScreenBreaksNavigation navigate,
                               QWidget *parent)
    : QWidget(parent)
    , m_settings(services.settings.get())
{
    setObjectName(QStringLiteral("breaks.longBreaksPage"));
    QVBoxLayout *page = PaneParts::column(this);
    page->addWidget(PaneLabels::pageHeader(QStringLiteral("Long Breaks"), [navigate] {
        navigate(ScreenBreaksSubpage::main);
    }));
    page->addWidget(buildSwitchCard());
    m_sections = buildSections();
    page->addWidget(m_sections);
    page->addStretch(1);
    m_sections->setVisible(m_settings.longBreaksEnabled());
    showResume();
    connect(&m_settings, &AppSettings::longBreaksEnabledChanged, this,
            [this] { SectionReveal::change(this, [this] { showEnabled(); }); });
    connect(&m_settings, &AppSettings::longBreakResumeChanged, this, &LongBreaksView::showResume);
}

QWidget *LongBreaksView::buildSwitchCard()
{
    m_switch = new ToggleSwitch;
    m_switch->setObjectName(QStringLiteral("longBreaksEnabled"));
    m_switch->setAccessibleName(QStringLiteral("Enable long breaks"));
    SettingBinding::bindSwitch(m_switch, &m_settings, &AppSettings::longBreaksEnabled,
                               &AppSettings::setLongBreaksEnabled, &AppSettings::longBreaksEnabledChanged);
    auto *card = new SettingCard;
    card->addRow(new BreaksSettingRow(SymbolTile::tinted(QStringLiteral("flame.fill"), NamedColor::orange, 28, 14),
                                      QStringLiteral("Enable long breaks"),
                                      QStringLiteral("Periodically take a longer break between short ones."),
                                      m_switch, QMargins(16, 12, 16, 12)));
    return card;
}

QWidget *LongBreaksView::buildSections()
{
    auto *sections = new QWidget;
    QVBoxLayout *stack = PaneParts::column(sections);
    SchemeLabel *schedule = PaneLabels::section(QStringLiteral("Schedule"));
    schedule->setContentsMargins(0, 4, 0, 0);
    stack->addWidget(schedule);
    stack->addWidget(buildScheduleCard());
    SchemeLabel *after = PaneLabels::section(QStringLiteral("After a long break"));
    after->setContentsMargins(0, 12, 0, 0);
    stack->addWidget(after);
    stack->addWidget(buildResumeCard());
    stack->addWidget(new InfoTip(QStringLiteral("lightbulb.fill"), QStringLiteral("Why long breaks?"),
                                 QStringLiteral("Short breaks maintain focus, but periodic longer breaks help "
                                                "with deeper recovery — reducing eye strain and mental fatigue."),
                                 NamedColor::blue));
    return sections;
}

QWidget *LongBreaksView::buildScheduleCard()
{
    auto *frequency = new ValueComboBox(frequencyOptions(), 150);
    frequency->setObjectName(QStringLiteral("longBreakFrequency"));
    SettingBinding::bindChoice<qint64>(frequency, &m_settings, &AppSettings::longBreakFrequency,
                                       &AppSettings::setLongBreakFrequency,
                                       &AppSettings::longBreakFrequencyChanged);
    auto *duration = new ValueComboBox(durationOptions(), 100);
    duration->setObjectName(QStringLiteral("longBreakDuration"));
    SettingBinding::bindChoice<qint64>(duration, &m_settings, &AppSettings::longBreakDuration,
                                       &AppSettings::setLongBreakDuration,
                                       &AppSettings::longBreakDurationChanged);
    auto *card = new SettingCard;
    card->addRow(pickerRow(QStringLiteral("repeat"), QStringLiteral("Take long break every"), frequency));
    card->addRow(new SettingsRowDivider);
    card->addRow(pickerRow(QStringLiteral("hourglass"), QStringLiteral("Long break duration"), duration));
    return card;
}

QWidget *LongBreaksView::buildResumeCard()
{
    auto *card = new SettingCard;
    for (const LongBreakResumeRow::Facts &choice : resumeChoices()) {
        if (!m_resumeRows.isEmpty())
            card->addRow(new SettingsRowDivider);
        auto *row = new LongBreakResumeRow(choice);
        connect(row, &QAbstractButton::clicked, this, [this, value = choice.value] { chooseResume(value); });
        card->addRow(row);
        m_resumeRows.append(row);
    }
    return card;
}

void LongBreaksView::chooseResume(const QString &value)
{
    // The row already chosen changes nothing.
    if (value != m_settings.longBreakResume())
        m_settings.setLongBreakResume(value);
}

void LongBreaksView::showEnabled()
{
    m_sections->setVisible(m_settings.longBreaksEnabled());
}

void LongBreaksView::showResume()
{
    for (LongBreakResumeRow *row : std::as_const(m_resumeRows))
        row->setSelected(row->value() == m_settings.longBreakResume());
}

#include "settings_ui/panes/calls_media/MeetingAfterCard.h"

#include "core/AppSettings.h"
#include "settings_ui/components/FadeIn.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/PaneRows.h"
#include "settings_ui/components/RadioOptionRow.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingsRowDivider.h"
#include "settings_ui/components/SymbolTile.h"
#include "settings_ui/panes/calls_media/MeetingTimelineView.h"
#include "settings_ui/panes/calls_media/MeetingsTexts.h"

#include <QBoxLayout>

#include <utility>

namespace {

const char *const valueProperty = "behaviourValue";
constexpr double exampleFadeSeconds = 0.18;

} // namespace

MeetingAfterCard::MeetingAfterCard(AppSettings &settings, QWidget *parent)
    : SettingCard(parent)
    , m_settings(settings)
{
    addRow(optionRow(MeetingsTexts::resume, QStringLiteral("clock.arrow.circlepath"),
                     QStringLiteral("Resume where the timer stopped"),
                     QStringLiteral("Continue counting down from where it left off.")));
    addRow(new SettingsRowDivider);
    addRow(optionRow(MeetingsTexts::adjust, QStringLiteral("arrow.triangle.2.circlepath"),
                     QStringLiteral("Automatically adjust the next break"),
                     QStringLiteral("Keep a recovery buffer after the meeting.")));
    addRow(new SettingsRowDivider);
    addRow(buildExample());
    addRow(new SettingsRowDivider);
    addRow(buildInfoRow());
    showBehaviour();
    connect(&settings, &AppSettings::meetingAfterBehaviorChanged, this, &MeetingAfterCard::showBehaviour);
}

RadioOptionRow *MeetingAfterCard::optionRow(const QString &value, const QString &symbol, const QString &title,
                                            const QString &subtitle)
{
    auto *row = new RadioOptionRow(title, subtitle, {18, 12, QFont::DemiBold});
    row->setContentsMargins(16, 12, 16, 12);
    row->setSymbol(symbol, NamedColor::blue);
    row->setObjectName(QStringLiteral("meetingAfterBehavior.") + value);
    row->setProperty(valueProperty, value);
    // Also when chosen already: the store then holds the text, though nothing changes.
    connect(row, &QAbstractButton::clicked, this, [this, value] { m_settings.setMeetingAfterBehavior(value); });
    m_options.append(row);
    return row;
}

QWidget *MeetingAfterCard::buildExample()
{
    // The timeline spans the card; only the text keeps the card's 16-pixel padding.
    auto *block = new QWidget;
    auto *stack = new QVBoxLayout(block);
    stack->setContentsMargins(0, 14, 0, 14);
    stack->setSpacing(12);
    m_example = PaneLabels::note(QString(), 11);
    m_example->setObjectName(QStringLiteral("meetingExample"));
    m_example->setContentsMargins(16, 0, 16, 0);
    stack->addWidget(m_example);
    m_timeline = new MeetingTimelineView(MeetingsTexts::illustratedBehaviour(m_settings.meetingAfterBehavior()));
    stack->addWidget(m_timeline);
    return block;
}

QWidget *MeetingAfterCard::buildInfoRow()
{
    QBoxLayout *layout = nullptr;
    QWidget *row = PaneRows::row(QMargins(16, 12, 16, 12), 10, &layout);
    layout->addWidget(new SymbolTile(QStringLiteral("info.circle"), 15, QFont::Normal, QSize(16, 16), NamedColor::blue),
                      0, Qt::AlignVCenter);
    m_info = PaneLabels::note(QString(), 11);
    m_info->setObjectName(QStringLiteral("meetingInfo"));
    layout->addWidget(m_info, 1);
    return row;
}

void MeetingAfterCard::showBehaviour()
{
    const QString stored = m_settings.meetingAfterBehavior();
    for (RadioOptionRow *row : std::as_const(m_options))
        row->setSelected(row->property(valueProperty).toString() == stored);
    const QString illustrated = MeetingsTexts::illustratedBehaviour(stored);
    const QString example = MeetingsTexts::exampleText(illustrated);
    if (example != m_example->text() && !m_example->text().isEmpty())
        FadeIn::start(m_example, exampleFadeSeconds);
    m_example->setText(example);
    m_timeline->setAfterMeeting(illustrated);
    m_info->setText(MeetingsTexts::infoText(stored));
}

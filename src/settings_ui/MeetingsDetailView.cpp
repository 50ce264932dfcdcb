#include "settings_ui/MeetingsDetailView.h"

#include "core/AppSettings.h"
#include "detection/WellnessScheduler.h"
#include "settings_ui/ContentServices.h"
#include "settings_ui/FadeIn.h"
#include "settings_ui/InfoTip.h"
#include "settings_ui/MeetingAfterCard.h"
#include "settings_ui/MeetingPrivacyCard.h"
#include "settings_ui/MeetingStatusCard.h"
#include "settings_ui/PaneLabels.h"
#include "settings_ui/PaneRows.h"
#include "settings_ui/SchemeLabel.h"
#include "settings_ui/SettingBinding.h"
#include "settings_ui/SettingCard.h"
#include "settings_ui/SettingsRowDivider.h"
#include "settings_ui/SymbolTile.h"

#include <QBoxLayout>

namespace {

constexpr int sectionSpacing = 24;
// A caption keeps a little more room above it, and stays close to the card it names.
constexpr int captionLead = 8;
constexpr int captionToCard = 8;
constexpr double sectionFadeSeconds = 0.2;
const QColor detectionTile = QColor::fromRgbF(0.32f, 0.76f, 0.52f);

struct PauseRow
{
    const char *key;
    const char *symbol;
    const char *title;
    const char *subtitle;
    bool (AppSettings::*getter)() const;
    void (AppSettings::*setter)(bool);
    void (AppSettings::*changed)(bool);
};

const PauseRow pauseRows[] = {
    {"meetingPauseBreaks", "pause.circle", "Pause break reminders", "Stop break timer and reminders.",
     &AppSettings::meetingPauseBreaks, &AppSettings::setMeetingPauseBreaks, &AppSettings::meetingPauseBreaksChanged},
    {"meetingPauseNotifications", "bell.slash", "Pause notifications", "Silence break notifications.",
     &AppSettings::meetingPauseNotifications, &AppSettings::setMeetingPauseNotifications,
     &AppSettings::meetingPauseNotificationsChanged},
    {"meetingHideMenuBar", "eye.slash", "Hide call status from the tray", "Use neutral text and icon during calls.",
     &AppSettings::meetingHideMenuBar, &AppSettings::setMeetingHideMenuBar, &AppSettings::meetingHideMenuBarChanged},
};

// A title over a secondary line, as the rows of the pane's cards show them.
QVBoxLayout *titled(const QString &title, qreal titleSize, QFont::Weight weight, const QString &subtitle, int spacing)
{
    auto *texts = new QVBoxLayout;
    texts->setSpacing(spacing);
    texts->addWidget(PaneLabels::primary(title, titleSize, weight));
    texts->addWidget(PaneLabels::note(subtitle, 11));
    return texts;
}

QWidget *captioned(QWidget *caption, QWidget *card)
{
    auto *group = new QWidget;
    auto *stack = new QVBoxLayout(group);
    stack->setContentsMargins(0, captionLead, 0, 0);
    stack->setSpacing(captionToCard);
    stack->addWidget(caption);
    stack->addWidget(card);
    return group;
}

} // namespace

QWidget *MeetingsDetailView::make(const ContentServices &services)
{
    return new MeetingsDetailView(services);
}

MeetingsDetailView::MeetingsDetailView(const ContentServices &services, QWidget *parent)
    : QWidget(parent)
    , m_settings(*services.settings)
    , m_wellness(*services.wellness)
    , m_clock(*services.clock)
{
    setObjectName(QStringLiteral("pane:Meetings"));
    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(sectionSpacing);
    stack->addWidget(PaneLabels::header(QStringLiteral("Calls & Recordings"),
                                        QStringLiteral("Automatically pause breaks during supported calls and "
                                                       "microphone recordings.")));
    stack->addWidget(buildDetectionCard());
    m_sectionSlot = new QVBoxLayout;
    m_sectionSlot->setContentsMargins(0, 0, 0, 0);
    stack->addLayout(m_sectionSlot);
    stack->addWidget(new MeetingPrivacyCard);
    showDetection();
    connect(&m_wellness, &WellnessScheduler::pauseDuringMeetingsChanged, this, &MeetingsDetailView::showDetection);
}

QWidget *MeetingsDetailView::buildDetectionCard()
{
    auto *card = new SettingCard;
    QBoxLayout *layout = nullptr;
    QWidget *row = PaneRows::row(QMargins(16, 12, 16, 12), 12, &layout);
    layout->addWidget(new SymbolTile(QStringLiteral("video.fill"), 16, QFont::Medium, QSize(32, 32), detectionTile, 8));
    const QString title = QStringLiteral("Call and recording detection");
    layout->addLayout(titled(title, 13, QFont::DemiBold,
                             QStringLiteral("Detect supported calls and microphone recordings on this computer."), 2),
                      1);
    ToggleSwitch *control = PaneRows::newSwitch(QStringLiteral("pauseDuringMeetings"), ToggleSwitch::Size::small);
    control->setAccessibleName(title);
    SettingBinding::bindSwitch(control, &m_wellness, &WellnessScheduler::pauseDuringMeetings,
                               &WellnessScheduler::setPauseDuringMeetings,
                               &WellnessScheduler::pauseDuringMeetingsChanged);
    layout->addWidget(control);
    card->addRow(row);
    return card;
}

QWidget *MeetingsDetailView::buildPauseCard()
{
    auto *card = new SettingCard;
    for (const PauseRow &pause : pauseRows) {
        if (card->rows()->count() > 0)
            card->addRow(new SettingsRowDivider);
        QBoxLayout *layout = nullptr;
        QWidget *row = PaneRows::row(QMargins(16, 10, 16, 10), 10, &layout);
        layout->addWidget(new SymbolTile(QLatin1String(pause.symbol), 15, QFont::Normal, QSize(22, 18),
                                         NamedColor::secondaryLabel),
                          0, Qt::AlignVCenter);
        const QString title = QLatin1String(pause.title);
        layout->addLayout(titled(title, 13, QFont::Medium, QLatin1String(pause.subtitle), 1), 1);
        ToggleSwitch *control = PaneRows::newSwitch(QLatin1String(pause.key), ToggleSwitch::Size::small);
        control->setAccessibleName(title);
        SettingBinding::bindSwitch(control, &m_settings, pause.getter, pause.setter, pause.changed);
        layout->addWidget(control);
        card->addRow(row);
    }
    return card;
}

void MeetingsDetailView::showDetection()
{
    const bool detecting = m_wellness.pauseDuringMeetings();
    if (detecting == (m_sections != nullptr))
        return;
    if (m_sections) {
        m_sections->hide();
        m_sections->deleteLater();
        m_sections = nullptr;
        return;
    }
    m_sections = buildSections();
    m_sectionSlot->addWidget(m_sections);
    // A layout shows a widget added to a visible pane only later; the switch shows it now.
    m_sections->show();
    FadeIn::start(m_sections, sectionFadeSeconds);
}

QWidget *MeetingsDetailView::buildSections()
{
    auto *sections = new QWidget;
    sections->setObjectName(QStringLiteral("meetingDetectionSections"));
    auto *stack = new QVBoxLayout(sections);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(sectionSpacing);
    stack->addWidget(captioned(PaneLabels::secondary(QStringLiteral("During a call or recording"), 12, QFont::Medium),
                               buildPauseCard()));
    auto *after = new QWidget;
    auto *afterTexts = new QVBoxLayout(after);
    afterTexts->setContentsMargins(0, 0, 0, 0);
    afterTexts->setSpacing(4);
    afterTexts->addWidget(PaneLabels::secondary(QStringLiteral("After a meeting"), 12, QFont::Medium));
    afterTexts->addWidget(PaneLabels::note(QStringLiteral("Choose how Lumenpause should handle your break timer."), 11));
    stack->addWidget(captioned(after, new MeetingAfterCard(m_settings)));
    stack->addWidget(new MeetingStatusCard(m_settings, m_wellness, m_clock));
    stack->addWidget(new InfoTip(QStringLiteral("checkmark.circle.fill"), QStringLiteral("Supported apps"),
                                 QStringLiteral("Zoom, Teams, Slack, Discord, Webex, and supported browser calls."),
                                 NamedColor::blue));
    return sections;
}

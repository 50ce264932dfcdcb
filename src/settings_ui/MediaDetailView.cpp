#include "settings_ui/MediaDetailView.h"

#include "core/AppSettings.h"
#include "detection/WellnessScheduler.h"
#include "settings_ui/ContentServices.h"
#include "settings_ui/FadeIn.h"
#include "settings_ui/MediaStatusCard.h"
#include "settings_ui/PaneLabels.h"
#include "settings_ui/PaneRows.h"
#include "settings_ui/SchemeLabel.h"
#include "settings_ui/SettingBinding.h"
#include "settings_ui/SettingCard.h"
#include "settings_ui/SettingsRowDivider.h"
#include "settings_ui/SymbolTile.h"
#include "settings_ui/TintedNote.h"

#include <QBoxLayout>

namespace {

constexpr int sectionSpacing = 24;
// The caption keeps a little more room above it and stays close to the card it names, as
// the Calls & Recordings pane's do.
constexpr int captionLead = 8;
constexpr int captionToCard = 8;
constexpr double sectionFadeSeconds = 0.2;

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
    {"mediaPauseBreaks", "pause.circle", "Pause break reminders", "Freeze the break timer until playback ends.",
     &AppSettings::mediaPauseBreaks, &AppSettings::setMediaPauseBreaks, &AppSettings::mediaPauseBreaksChanged},
    {"mediaPauseNotifications", "bell.slash", "Pause notifications", "Silence wellness and break notifications.",
     &AppSettings::mediaPauseNotifications, &AppSettings::setMediaPauseNotifications,
     &AppSettings::mediaPauseNotificationsChanged},
};

QVBoxLayout *titled(const QString &title, QFont::Weight weight, const QString &subtitle, int spacing)
{
    auto *texts = new QVBoxLayout;
    texts->setSpacing(spacing);
    texts->addWidget(PaneLabels::primary(title, 13, weight));
    texts->addWidget(PaneLabels::note(subtitle, 11));
    return texts;
}

} // namespace

QWidget *MediaDetailView::make(const ContentServices &services)
{
    return new MediaDetailView(services);
}

MediaDetailView::MediaDetailView(const ContentServices &services, QWidget *parent)
    : QWidget(parent)
    , m_settings(*services.settings)
    , m_wellness(*services.wellness)
    , m_clock(*services.clock)
{
    setObjectName(QStringLiteral("pane:Media"));
    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(sectionSpacing);
    stack->addWidget(PaneLabels::header(QStringLiteral("Media Playback"),
                                        QStringLiteral("Pause interruptions while a browser or media player is "
                                                       "actively playing.")));
    stack->addWidget(buildDetectionCard());
    m_sectionSlot = new QVBoxLayout;
    m_sectionSlot->setContentsMargins(0, 0, 0, 0);
    stack->addLayout(m_sectionSlot);
    auto *privacy = new TintedNote(QStringLiteral("shield.fill"), QStringLiteral("Private by design"),
                                   QStringLiteral("Only local playback state is checked. No audio, titles, URLs, or "
                                                  "viewing history are captured."),
                                   NamedColor::green, TintedNote::Look{0.04, 14, 4});
    privacy->setObjectName(QStringLiteral("mediaPrivacy"));
    stack->addWidget(privacy);
    showDetection();
    connect(&m_wellness, &WellnessScheduler::pauseDuringMediaChanged, this, &MediaDetailView::showDetection);
}

QWidget *MediaDetailView::buildDetectionCard()
{
    auto *card = new SettingCard;
    QBoxLayout *layout = nullptr;
    QWidget *row = PaneRows::row(QMargins(16, 12, 16, 12), 12, &layout);
    // Drawn larger than the 14 pixels of the layout: the wide, low symbol would look lost on
    // its tile beside the other panes' tiles.
    layout->addWidget(new SymbolTile(QStringLiteral("play.rectangle.fill"), 17, QFont::Medium, QSize(32, 32),
                                     MediaStatusCard::accent(), 8),
                      0, Qt::AlignVCenter);
    const QString title = QStringLiteral("Media playback detection");
    layout->addLayout(titled(title, QFont::DemiBold,
                             QStringLiteral("Recognize sustained playback locally without inspecting content."), 2),
                      1);
    // Named after the key the wellness scheduler stores it under.
    ToggleSwitch *control = PaneRows::newSwitch(QStringLiteral("mediaDetectionEnabled"), ToggleSwitch::Size::small);
    control->setAccessibleName(title);
    SettingBinding::bindSwitch(control, &m_wellness, &WellnessScheduler::pauseDuringMedia,
                               &WellnessScheduler::setPauseDuringMedia, &WellnessScheduler::pauseDuringMediaChanged);
    layout->addWidget(control, 0, Qt::AlignVCenter);
    card->addRow(row);
    return card;
}

QWidget *MediaDetailView::buildPauseCard()
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
        layout->addLayout(titled(title, QFont::Medium, QLatin1String(pause.subtitle), 1), 1);
        ToggleSwitch *control = PaneRows::newSwitch(QLatin1String(pause.key), ToggleSwitch::Size::small);
        control->setAccessibleName(title);
        SettingBinding::bindSwitch(control, &m_settings, pause.getter, pause.setter, pause.changed);
        layout->addWidget(control, 0, Qt::AlignVCenter);
        card->addRow(row);
    }
    return card;
}

QWidget *MediaDetailView::buildSections()
{
    auto *sections = new QWidget;
    sections->setObjectName(QStringLiteral("mediaDetectionSections"));
    auto *stack = new QVBoxLayout(sections);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(sectionSpacing);
    auto *captioned = new QVBoxLayout;
    captioned->setContentsMargins(0, captionLead, 0, 0);
    captioned->setSpacing(captionToCard);
    captioned->addWidget(PaneLabels::secondary(QStringLiteral("During media playback"), 12, QFont::Medium));
    captioned->addWidget(buildPauseCard());
    stack->addLayout(captioned);
    stack->addWidget(new MediaStatusCard(m_settings, m_wellness, m_clock));
    return sections;
}

void MediaDetailView::showDetection()
{
    const bool detecting = m_wellness.pauseDuringMedia();
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

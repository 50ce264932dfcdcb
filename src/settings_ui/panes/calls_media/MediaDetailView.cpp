#include "settings_ui/panes/calls_media/MediaDetailView.h"

#include "core/AppSettings.h"
#include "detection/WellnessScheduler.h"
#include "settings_ui/components/InfoTip.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SymbolTile.h"
#include "settings_ui/panes/calls_media/MediaStatusCard.h"

#include <QBoxLayout>

namespace {

const DetectionDetailView::PauseRow pauseRows[] = {
    {"mediaPauseBreaks", "pause.circle", "Pause break reminders", "Freeze the break timer until playback ends.",
     &AppSettings::mediaPauseBreaks, &AppSettings::setMediaPauseBreaks, &AppSettings::mediaPauseBreaksChanged},
    {"mediaPauseNotifications", "bell.slash", "Pause notifications", "Silence wellness and break notifications.",
     &AppSettings::mediaPauseNotifications, &AppSettings::setMediaPauseNotifications,
     &AppSettings::mediaPauseNotificationsChanged},
};

} // namespace

QWidget *MediaDetailView::make(const ContentServices &services)
{
    return new MediaDetailView(services);
}

MediaDetailView::MediaDetailView(const ContentServices &services, QWidget *parent)
    : DetectionDetailView(services, parent)
{
    setObjectName(QStringLiteral("pane:Media"));
    // Drawn larger than the 14 pixels of the layout: the wide, low symbol would look lost on
    // its tile beside the other panes' tiles.
    auto *tile = new SymbolTile(QStringLiteral("play.rectangle.fill"), 17, QFont::Medium, QSize(32, 32),
                                MediaStatusCard::accent(), 8);
    // Named after the key the wellness scheduler stores it under.
    const Detection detection{QStringLiteral("mediaDetectionEnabled"), QStringLiteral("Media playback detection"),
                              QStringLiteral("Recognize sustained playback locally without inspecting content."),
                              &WellnessScheduler::pauseDuringMedia, &WellnessScheduler::setPauseDuringMedia,
                              &WellnessScheduler::pauseDuringMediaChanged};
    auto *privacy = new InfoTip(QStringLiteral("shield.fill"), QStringLiteral("Private by design"),
                                   QStringLiteral("Only local playback state is checked. No audio, titles, URLs, or "
                                                  "viewing history are captured."),
                                   NamedColor::green, InfoTip::note(0.04, 14, 4));
    privacy->setObjectName(QStringLiteral("mediaPrivacy"));
    build(QStringLiteral("Media Playback"),
          QStringLiteral("Pause interruptions while a browser or media player is actively playing."), tile,
          detection, privacy);
}

QWidget *MediaDetailView::buildSections()
{
    auto *sections = new QWidget;
    sections->setObjectName(QStringLiteral("mediaDetectionSections"));
    QVBoxLayout *stack = sectionColumn(sections);
    stack->addWidget(captioned(PaneLabels::section(QStringLiteral("During media playback")),
                               buildPauseCard(pauseRows)));
    stack->addWidget(new MediaStatusCard(m_settings, m_wellness, m_clock));
    return sections;
}

#include "settings_ui/panes/calls_media/MediaStatusCard.h"

#include "core/AppSettings.h"
#include "detection/WellnessScheduler.h"
#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SymbolTile.h"

#include <algorithm>

namespace {

const QString playingSymbol = QStringLiteral("play.circle.fill");
const QString listeningSymbol = QStringLiteral("antenna.radiowaves.left.and.right");
constexpr qreal symbolSize = 16;
constexpr int symbolFrameWidth = 24;

SymbolTile *statusSymbolTile(const QString &name, const QColor &light, const QColor &dark, int lineHeight)
{
    // As tall as the title's line, so the symbol stands level with "Current status" however
    // many lines the status takes below it.
    return new SymbolTile(name, symbolSize, QFont::Normal,
                          QSize(symbolFrameWidth, std::max(lineHeight, int(symbolSize))), light, dark);
}

} // namespace

QColor MediaStatusCard::accent()
{
    return QColor::fromRgbF(0.42f, 0.72f, 0.35f);
}

QString MediaStatusCard::statusLine(bool officeHoursEnabled, const std::function<bool()> &insideOfficeHours,
                                    MediaPlaybackState state)
{
    if (officeHoursEnabled && !insideOfficeHours())
        return QStringLiteral("Detection is paused outside office hours.");
    switch (state) {
    case MediaPlaybackState::inactive:
        break;
    case MediaPlaybackState::confirming:
        return QStringLiteral("Checking for media playback...");
    case MediaPlaybackState::active:
        return QStringLiteral("Media playback detected.");
    case MediaPlaybackState::ending:
        return QStringLiteral("Playback may have ended.");
    }
    return QStringLiteral("No media playback detected.");
}

QString MediaStatusCard::statusSymbol(MediaPlaybackState state)
{
    return state == MediaPlaybackState::active ? playingSymbol : listeningSymbol;
}

MediaStatusCard::MediaStatusCard(AppSettings &settings, WellnessScheduler &wellness, Clock &clock, QWidget *parent)
    : DetectionStatusCard(settings, wellness, clock, parent)
{
    const int lineHeight = title()->sizeHint().height();
    m_playing = statusSymbolTile(playingSymbol, accent(), accent(), lineHeight);
    m_listening = statusSymbolTile(listeningSymbol, NamedColors::color(NamedColor::blue, ColorScheme::light),
                                   NamedColors::color(NamedColor::blue, ColorScheme::dark), lineHeight);
    build({m_playing, m_listening}, Qt::AlignTop, 5, QStringLiteral("mediaStatus"),
          &WellnessScheduler::mediaContextChanged);
}

void MediaStatusCard::showStatus()
{
    const MediaPlaybackState state = m_wellness.mediaContextSnapshot().state;
    setStatusText(statusLine(m_settings.officeHoursEnabled(), [this] { return m_settings.isWithinOfficeHours(m_clock); },
                             state));
    const bool playing = statusSymbol(state) == playingSymbol;
    m_playing->setVisible(playing);
    m_listening->setVisible(!playing);
}

QString MediaStatusCard::unavailableText() const
{
    return QStringLiteral("No sound server is reachable, so playback can't be detected.");
}

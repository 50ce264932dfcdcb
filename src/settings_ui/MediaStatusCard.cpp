#include "settings_ui/MediaStatusCard.h"

#include "core/AppSettings.h"
#include "detection/WellnessScheduler.h"
#include "settings_ui/NamedColors.h"
#include "settings_ui/PaneLabels.h"
#include "settings_ui/PaneRows.h"
#include "settings_ui/SchemeLabel.h"
#include "settings_ui/SymbolView.h"

#include <QBoxLayout>

#include <algorithm>

namespace {

const QString playingSymbol = QStringLiteral("play.circle.fill");
const QString listeningSymbol = QStringLiteral("antenna.radiowaves.left.and.right");
constexpr qreal symbolSize = 16;
constexpr int symbolFrameWidth = 24;

SymbolView *statusSymbolView(const QString &name, const QColor &light, const QColor &dark, int lineHeight)
{
    auto *view = new SymbolView(name, symbolSize, QFont::Normal, light, dark);
    // As tall as the title's line, so the symbol stands level with "Current status" however
    // many lines the status takes below it.
    view->setFixedSize(symbolFrameWidth, std::max(lineHeight, int(symbolSize)));
    return view;
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
    : SettingCard(parent)
    , m_settings(settings)
    , m_wellness(wellness)
    , m_clock(clock)
{
    QBoxLayout *layout = nullptr;
    QWidget *row = PaneRows::row(QMargins(16, 12, 16, 12), 12, &layout);
    SchemeLabel *title = PaneLabels::primary(QStringLiteral("Current status"), 13, QFont::DemiBold);
    const int lineHeight = title->sizeHint().height();
    m_playing = statusSymbolView(playingSymbol, accent(), accent(), lineHeight);
    m_listening = statusSymbolView(listeningSymbol, NamedColors::color(NamedColor::blue, ColorScheme::light),
                                   NamedColors::color(NamedColor::blue, ColorScheme::dark), lineHeight);
    layout->addWidget(m_playing, 0, Qt::AlignTop);
    layout->addWidget(m_listening, 0, Qt::AlignTop);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(5);
    texts->addWidget(title);
    m_status = PaneLabels::note(QString(), 11);
    m_status->setObjectName(QStringLiteral("mediaStatus"));
    texts->addWidget(m_status);
    layout->addLayout(texts, 1);
    addRow(row);
    showStatus();
    connect(&wellness, &WellnessScheduler::mediaContextChanged, this, &MediaStatusCard::showStatus);
    // The office-hours answer changes with the time of day, which the settings model notices
    // whenever anyone asks it, and with the week or the switch.
    connect(&settings, &AppSettings::lastOfficeHoursStateChanged, this, &MediaStatusCard::showStatus);
    connect(&settings, &AppSettings::officeHoursSettingsAssigned, this, &MediaStatusCard::showStatus);
}

QString MediaStatusCard::statusText() const
{
    return m_status->text();
}

QString MediaStatusCard::shownSymbol() const
{
    return m_playing->isVisibleTo(this) ? playingSymbol : listeningSymbol;
}

void MediaStatusCard::showStatus()
{
    const MediaPlaybackState state = m_wellness.mediaContextSnapshot().state;
    m_status->setText(statusLine(m_settings.officeHoursEnabled(),
                                 [this] { return m_settings.isWithinOfficeHours(m_clock); }, state));
    const bool playing = statusSymbol(state) == playingSymbol;
    m_playing->setVisible(playing);
    m_listening->setVisible(!playing);
}

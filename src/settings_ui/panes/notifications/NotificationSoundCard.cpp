#include "settings_ui/panes/notifications/NotificationSoundCard.h"

#include "core/AppSettings.h"
#include "menubar/AppSoundPlayer.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/PaneRows.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingBinding.h"
#include "settings_ui/components/SettingsRowDivider.h"
#include "settings_ui/components/SymbolTile.h"
#include "settings_ui/panes/notifications/SymbolButton.h"
#include "settings_ui/panes/notifications/VolumeSlider.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

const QMargins toggleMargins(16, 8, 16, 8);
constexpr int percentWidth = 38;

ToggleSwitch *soundSwitch(const char *key)
{
    return PaneRows::newSwitch(QLatin1String(key), ToggleSwitch::Size::mini);
}

} // namespace

NotificationSoundCard::NotificationSoundCard(AppSettings &settings, ServiceRef<AppSoundPlayer> sounds,
                                             QWidget *parent)
    : SettingCard(parent)
    , m_settings(settings)
    , m_sounds(sounds)
{
    addRow(PaneRows::cardTitle(QStringLiteral("Sound")));
    ToggleSwitch *breakSounds = soundSwitch("breakSoundsEnabled");
    SettingBinding::bindSwitch(breakSounds, &settings, &AppSettings::breakSoundsEnabled,
                               &AppSettings::setBreakSoundsEnabled, &AppSettings::breakSoundsEnabledChanged);
    addRow(PaneRows::withControl(QStringLiteral("Break sounds"), 12, breakSounds, toggleMargins));
    addRow(new SettingsRowDivider);
    ToggleSwitch *reminderSounds = soundSwitch("reminderSoundsEnabled");
    SettingBinding::bindSwitch(reminderSounds, &settings, &AppSettings::reminderSoundsEnabled,
                               &AppSettings::setReminderSoundsEnabled,
                               &AppSettings::reminderSoundsEnabledChanged);
    addRow(PaneRows::withControl(QStringLiteral("Reminder sounds"), 12, reminderSounds, toggleMargins));
    addRow(new SettingsRowDivider);
    addRow(buildVolumeBlock());
    showVolume();
    for (const auto changed : {&AppSettings::breakSoundsEnabledChanged, &AppSettings::reminderSoundsEnabledChanged})
        connect(&settings, changed, this, &NotificationSoundCard::showVolume);
    connect(&settings, &AppSettings::notificationSoundVolumeChanged, this, &NotificationSoundCard::showVolume);
}

bool NotificationSoundCard::canPreviewSound(int volumePercent, bool breakSounds, bool reminderSounds)
{
    return volumePercent >= 1 && (breakSounds || reminderSounds);
}

QWidget *NotificationSoundCard::buildVolumeBlock()
{
    auto *block = new QWidget;
    auto *stack = new QVBoxLayout(block);
    stack->setContentsMargins(16, 10, 16, 12);
    stack->setSpacing(8);

    auto *top = new QHBoxLayout;
    top->setSpacing(8);
    top->addWidget(PaneLabels::primary(QStringLiteral("Volume"), 12), 1);
    m_percent = PaneLabels::secondary(QString(), 11, QFont::Medium);
    m_percent->setObjectName(QStringLiteral("notificationSoundVolume.percent"));
    m_percent->setFixedWidth(percentWidth);
    m_percent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    top->addWidget(m_percent);
    m_play = new SymbolButton(QStringLiteral("play.fill"), 10, QFont::DemiBold, QSize(18, 18), NamedColor::blue,
                              QStringLiteral("Preview sound"));
    m_play->setObjectName(QStringLiteral("previewSound"));
    connect(m_play, &QAbstractButton::clicked, this, &NotificationSoundCard::playPreview);
    top->addWidget(m_play);
    stack->addLayout(top);

    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(10);
    bottom->addWidget(new SymbolTile(QStringLiteral("speaker.fill"), 12, QFont::Medium, QSize(14, 18),
                                     NamedColor::secondaryLabel));
    m_slider = new VolumeSlider;
    m_slider->setObjectName(QStringLiteral("notificationSoundVolume"));
    connect(m_slider, &VolumeSlider::volumeChosen, &m_settings, &AppSettings::setNotificationSoundVolume);
    bottom->addWidget(m_slider, 1);
    bottom->addWidget(new SymbolTile(QStringLiteral("speaker.wave.3.fill"), 13, QFont::Medium, QSize(18, 18),
                                     NamedColor::secondaryLabel));
    stack->addLayout(bottom);
    return block;
}

void NotificationSoundCard::showVolume()
{
    const double volume = m_settings.notificationSoundVolume();
    m_slider->showVolume(volume);
    m_percent->setText(QString::number(VolumeSlider::percentOf(volume)) + QLatin1Char('%'));
    m_play->setEnabled(canPreviewSound(VolumeSlider::percentOf(volume), m_settings.breakSoundsEnabled(),
                                       m_settings.reminderSoundsEnabled()));
}

void NotificationSoundCard::playPreview()
{
    // The break sound while breaks have sound; otherwise the reminders' own.
    m_sounds->play(m_settings.breakSoundsEnabled() ? AppSound::submarine : AppSound::blow);
}

#pragma once

#include "core/ServiceRef.h"

#include <QWidget>

class AppSettings;
class AppSoundPlayer;
class HUDPresenter;
class QVBoxLayout;
class ReminderQueue;
class ToggleSwitch;
struct ContentServices;

// The settings window's Notifications pane: how Lumenpause gets the user's attention before a
// break. The master switch for heads-up and wellness notices, the sounds and their volume,
// and, while notices are on, a live preview of the notice, the heads-up lead time, the
// notice's size, countdown and level, and how long it stays; while they are off, a tip that
// says so in place of all that. Every control writes its setting at once; opening the pane
// writes nothing.
//
// The master switch mirrors the setting as it was when the pane was built and writes each
// change back; every other control follows its setting live, whoever changes it.
class NotificationsDetailView : public QWidget
{
    Q_OBJECT

public:
    static QWidget *make(const ContentServices &services);

    explicit NotificationsDetailView(const ContentServices &services, QWidget *parent = nullptr);

    bool notificationsEnabled() const { return m_notificationsEnabled; }
    // The type the preview shows; "break" on every new pane, kept while the switch turns.
    QString notificationType() const { return m_notificationType; }

private:
    QWidget *buildMasterCard();
    void setNotificationsEnabled(bool enabled);
    void showLowerHalf();
    QWidget *buildEnabledSections();

    AppSettings &m_settings;
    ServiceRef<ReminderQueue> m_reminders;
    ServiceRef<HUDPresenter> m_hud;
    ServiceRef<AppSoundPlayer> m_sounds;
    bool m_notificationsEnabled;
    QString m_notificationType;
    ToggleSwitch *m_masterSwitch = nullptr;
    QVBoxLayout *m_lowerHalf = nullptr;
    QWidget *m_lowerContent = nullptr;
};

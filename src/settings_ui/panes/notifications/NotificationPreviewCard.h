#pragma once

#include "core/ServiceRef.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/panes/notifications/NotificationPreviewBox.h"

class AppSettings;
class HUDPresenter;
class ReminderQueue;
class TintedButton;
class ValueComboBox;

// The Notifications pane's "Preview" card: a picker of the notification type, the drawing of
// that type's notice as the current settings would show it (following every change of size,
// countdown and lead time at once), and "Preview Notification", which shows the sample for
// real through the floating notice.
class NotificationPreviewCard : public SettingCard
{
    Q_OBJECT

public:
    NotificationPreviewCard(AppSettings &settings, ServiceRef<ReminderQueue> reminders,
                            ServiceRef<HUDPresenter> hud, const QString &type, QWidget *parent = nullptr);

    QString type() const { return m_type; }
    NotificationPreviewBox *box() const { return m_box; }

signals:
    void typeChosen(const QString &type);

private:
    QWidget *buildTypeRow();
    QWidget *buildButtonRow();
    NotificationPreviewBox::Look currentLook() const;
    void showLook();

    AppSettings &m_settings;
    ServiceRef<ReminderQueue> m_reminders;
    ServiceRef<HUDPresenter> m_hud;
    QString m_type;
    ValueComboBox *m_picker = nullptr;
    NotificationPreviewBox *m_box = nullptr;
};

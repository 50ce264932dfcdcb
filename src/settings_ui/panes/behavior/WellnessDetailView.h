#pragma once

#include <QList>
#include <QWidget>

class AppSettings;
class TypingHealthEngine;
class ValueComboBox;
class WellnessCard;
class WellnessScheduler;
struct ContentServices;

// The settings window's Wellness pane: posture, wrist and hand, and blink reminders, each on
// or off and how often it comes, under a warning while notifications are off (the reminders
// reach the user as notices). The switches and the typing threshold follow their models live;
// the posture and blink intervals are copied when the pane is made and written when the user
// picks another, and whether notifications are on is read again each time the pane shows.
class WellnessDetailView : public QWidget
{
    Q_OBJECT

public:
    static QWidget *make(const ContentServices &services);

    explicit WellnessDetailView(const ContentServices &services, QWidget *parent = nullptr);

    // The notifications warning; hidden while notifications are on.
    QWidget *banner() const { return m_banner; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    WellnessCard *buildPostureCard();
    WellnessCard *buildWristCard();
    WellnessCard *buildBlinkCard();
    void choosePostureInterval(qint64 minutes);
    void chooseBlinkInterval(qint64 minutes);

    AppSettings &m_settings;
    WellnessScheduler &m_wellness;
    TypingHealthEngine &m_typing;
    qint64 m_postureInterval;
    qint64 m_blinkInterval;
    bool m_notificationsEnabled;
    QWidget *m_banner = nullptr;
};

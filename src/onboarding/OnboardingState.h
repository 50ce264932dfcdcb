#pragma once

#include <QObject>
#include <QString>

// The choices of the first-run flow while it is shown. They start at fixed proposals and
// never from the stored settings, live as long as the flow, and reach the settings only when
// the user finishes. The pages edit them through the setters, which announce only real
// changes; the captions and descriptions the pages show are read from here. Main thread only.
class OnboardingState : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int selectedInterval READ selectedInterval WRITE setSelectedInterval
                   NOTIFY selectedIntervalChanged)
    Q_PROPERTY(int selectedDuration READ selectedDuration WRITE setSelectedDuration
                   NOTIFY selectedDurationChanged)
    Q_PROPERTY(QString selectedEnforcement READ selectedEnforcement WRITE setSelectedEnforcement
                   NOTIFY selectedEnforcementChanged)
    Q_PROPERTY(bool longBreaksEnabled READ longBreaksEnabled WRITE setLongBreaksEnabled
                   NOTIFY longBreaksEnabledChanged)
    Q_PROPERTY(int longBreakFrequency READ longBreakFrequency WRITE setLongBreakFrequency
                   NOTIFY longBreakFrequencyChanged)
    Q_PROPERTY(int longBreakDuration READ longBreakDuration WRITE setLongBreakDuration
                   NOTIFY longBreakDurationChanged)
    Q_PROPERTY(QString selectedSensitivity READ selectedSensitivity WRITE setSelectedSensitivity
                   NOTIFY selectedSensitivityChanged)
    Q_PROPERTY(bool launchAtLogin READ launchAtLogin WRITE setLaunchAtLogin
                   NOTIFY launchAtLoginChanged)
    Q_PROPERTY(bool pauseDuringMeetings READ pauseDuringMeetings WRITE setPauseDuringMeetings
                   NOTIFY pauseDuringMeetingsChanged)

public:
    using QObject::QObject;

    int selectedInterval() const { return m_selectedInterval; }             // minutes
    int selectedDuration() const { return m_selectedDuration; }             // seconds
    QString selectedEnforcement() const { return m_selectedEnforcement; }   // a BreakEnforcement raw value
    bool longBreaksEnabled() const { return m_longBreaksEnabled; }
    int longBreakFrequency() const { return m_longBreakFrequency; }         // short breaks per long one
    int longBreakDuration() const { return m_longBreakDuration; }           // seconds
    QString selectedSensitivity() const { return m_selectedSensitivity; }   // a ReminderSensitivity raw value
    bool launchAtLogin() const { return m_launchAtLogin; }
    bool pauseDuringMeetings() const { return m_pauseDuringMeetings; }

    void setSelectedInterval(int minutes);
    void setSelectedDuration(int seconds);
    void setSelectedEnforcement(const QString &enforcement);
    void setLongBreaksEnabled(bool enabled);
    void setLongBreakFrequency(int shortBreaks);
    void setLongBreakDuration(int seconds);
    void setSelectedSensitivity(const QString &sensitivity);
    void setLaunchAtLogin(bool launch);
    void setPauseDuringMeetings(bool pause);

    // The long-breaks card's caption, and the break-duration card's.
    QString longBreaksCaption() const;
    QString durationCaption() const;
    // What the chosen mode means; a value of no option reads as the first proposal's.
    QString enforcementDescription() const;
    QString sensitivityDescription() const;

signals:
    void selectedIntervalChanged(int minutes);
    void selectedDurationChanged(int seconds);
    void selectedEnforcementChanged(const QString &enforcement);
    void longBreaksEnabledChanged(bool enabled);
    void longBreakFrequencyChanged(int shortBreaks);
    void longBreakDurationChanged(int seconds);
    void selectedSensitivityChanged(const QString &sensitivity);
    void launchAtLoginChanged(bool launch);
    void pauseDuringMeetingsChanged(bool pause);

private:
    int m_selectedInterval = 20;
    int m_selectedDuration = 20;
    QString m_selectedEnforcement = QStringLiteral("Casual");
    bool m_longBreaksEnabled = true;
    int m_longBreakFrequency = 3;
    int m_longBreakDuration = 600;
    QString m_selectedSensitivity = QStringLiteral("Gentle");
    bool m_launchAtLogin = true;
    bool m_pauseDuringMeetings = true;
};

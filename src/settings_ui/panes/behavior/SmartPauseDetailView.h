#pragma once

#include "settings_ui/panes/behavior/ReminderSensitivity.h"

#include <QList>
#include <QWidget>

#include <map>

class AppSettings;
class QVBoxLayout;
class SensitivityCard;
class SensitivityDetailCard;
class ToggleSwitch;
class ValueComboBox;
struct ContentServices;

// The settings window's Smart Behavior pane: whether the break timer stops while the user is
// away, after how long they count as away and after how long an absence the timer starts
// afresh, and what a due break does while the user is still at work. It copies the five
// values it edits when it is made and writes each change the user makes at once, without
// reading them again while it stays open. The one write it makes by itself: a stored reset
// threshold below the idle timeout is raised to it when the pane comes on screen.
class SmartPauseDetailView : public QWidget
{
    Q_OBJECT

public:
    static QWidget *make(const ContentServices &services);

    explicit SmartPauseDetailView(const ContentServices &services, QWidget *parent = nullptr);

    // The minutes the reset menu offers: each of 5, 10, 15, 30 and 60 that is not below the
    // idle timeout, and the current threshold, ascending, each once.
    static QList<qint64> resetThresholdOptions(qint64 idleMinutes, qint64 threshold);

    // The timeout and reset rows with their dividers; hidden while idle detection is off.
    QWidget *idleRows() const { return m_idleRows; }
    SensitivityDetailCard *detailCard() const { return m_detail; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildIdleCard();
    QWidget *buildIdleSwitchRow();
    QWidget *buildIdleRows();
    QWidget *buildSensitivity();

    void setIdleDetectionEnabled(bool enabled);
    void chooseIdleMinutes(qint64 minutes);
    void chooseResetThreshold(qint64 minutes);
    void chooseGentleDelay(qint64 seconds);
    void chooseSensitivity(ReminderSensitivity sensitivity);
    void showResetOptions();
    void showSensitivity();

    AppSettings &m_settings;
    ReminderSensitivity m_sensitivity;
    qint64 m_customIdleMinutes;
    qint64 m_gentleDelay;
    qint64 m_idleResetThreshold;
    bool m_idleDetectionEnabled;

    QWidget *m_idleRows = nullptr;
    ValueComboBox *m_resetPicker = nullptr;
    std::map<ReminderSensitivity, SensitivityCard *> m_cards;
    SensitivityDetailCard *m_detail = nullptr;
};

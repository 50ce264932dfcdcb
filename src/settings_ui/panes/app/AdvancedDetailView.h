#pragma once

#include "core/ResetError.h"

#include <QPointer>
#include <QVariantMap>
#include <QWidget>

#include <functional>
#include <optional>

class AppSettings;
class BatteryThresholdSlider;
class BreaksSettingRow;
class IconRowButton;
class QLabel;
class QMessageBox;
class ToggleSwitch;
struct ContentServices;

// The settings window's Advanced pane: whether a break offers to end early, the conditions
// that skip a due break (a display just disconnected, a low battery with its threshold), and
// the factory reset. Every control writes its setting at once; opening the pane writes
// nothing, not even a threshold stored off the slider's grid. The reset asks first, then
// shows "Resetting..." while it runs; a reset that stops shows why under the button, which
// is usable again.
class AdvancedDetailView : public QWidget
{
    Q_OBJECT

public:
    // On success it ends the application; otherwise it says why it stopped.
    using FactoryResetAction = std::function<std::optional<ResetError>()>;

    static QWidget *make(const ContentServices &services);

    explicit AdvancedDetailView(const ContentServices &services, QWidget *parent = nullptr);

    bool isResetting() const { return m_resetting; }
    // The question before a reset while it is open, else null.
    QMessageBox *resetConfirmation() const { return m_confirmation; }

private:
    QWidget *buildBreakBehaviorCard();
    QWidget *buildAutoSkipCard();
    QWidget *buildThresholdRow();
    QWidget *buildResetCard();
    void showBatteryThreshold(qint64 percent);
    void showThresholdRow(bool shown);
    void askToReset();
    void beginReset();
    void runReset();
    void showResetState(bool resetting, const QString &error);

    AppSettings &m_settings;
    FactoryResetAction m_factoryReset;
    QString m_displayName;
    BreaksSettingRow *m_batteryRow = nullptr;
    ToggleSwitch *m_batterySwitch = nullptr;
    QWidget *m_thresholdRow = nullptr;
    QLabel *m_thresholdLabel = nullptr;
    BatteryThresholdSlider *m_thresholdSlider = nullptr;
    IconRowButton *m_resetButton = nullptr;
    QWidget *m_errorDivider = nullptr;
    QWidget *m_errorRow = nullptr;
    QLabel *m_errorText = nullptr;
    QPointer<QMessageBox> m_confirmation;
    bool m_resetting = false;
};

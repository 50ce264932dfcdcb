#pragma once

#include <QWidget>

class AppSettings;
class InfoTip;
class QVBoxLayout;
class ShortcutController;
class ThemeManager;
class ToggleSwitch;
struct ContentServices;

// The settings window's General pane: the colour theme, whether the tray icon counts down
// and in which style, and whether Lumenpause opens at login and resumes after the computer
// wakes. Every control writes its setting at once; opening the pane writes nothing of its
// own. It reads the autostart entry afresh, and the launch-at-login switch shows what the
// desktop will really do, with a tip while the controller has something to say about it.
class GeneralDetailView : public QWidget
{
    Q_OBJECT

public:
    static QWidget *make(const ContentServices &services);

    explicit GeneralDetailView(const ContentServices &services, QWidget *parent = nullptr);

private:
    QWidget *buildAppearanceCard();
    QWidget *buildTrayCard();
    QWidget *buildStartupCard();
    void showTimerStyleRow(bool shown);
    void setLaunchAtLogin(bool wanted);
    void showLaunchAtLogin(bool enabled);
    void showLaunchAtLoginTip(const QString &error);

    AppSettings &m_settings;
    ThemeManager &m_theme;
    ShortcutController &m_shortcuts;
    QWidget *m_styleDivider = nullptr;
    QWidget *m_styleRow = nullptr;
    ToggleSwitch *m_launchAtLogin = nullptr;
    QVBoxLayout *m_tipSlot = nullptr;
    InfoTip *m_tip = nullptr;
};

#pragma once

#include <QObject>

#include <memory>

class ActivationController;
class AppStateStore;
class QWidget;

// Owns the settings window: creates it on first use, brings the application to the front
// while it shows and sends it back to the tray when it goes, moving the application between
// the settings and background phases. While a break runs, hiding or closing the window does
// not count as leaving the settings: the break decides what follows. The window's content
// is a placeholder until the settings panes exist. Main thread only.
class SettingsWindowController : public QObject
{
    Q_OBJECT

public:
    static constexpr int windowWidth = 880;
    static constexpr int windowHeight = 820;

    SettingsWindowController(ActivationController &activation, AppStateStore &appState,
                             QObject *parent = nullptr);
    ~SettingsWindowController() override;

    // Brings the window to the front, creating and centring it the first time.
    void show();
    // Takes the window off the screen; it is kept for the next show().
    void hide();

    // Null until the first show().
    QWidget *window() const { return m_window.get(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createWindow();
    // The user closed the window from its frame.
    void handleClose();
    bool breakIsRunning() const;

    ActivationController &m_activation;
    AppStateStore &m_appState;
    std::unique_ptr<QWidget> m_window;
};

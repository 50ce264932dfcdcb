#pragma once

#include <QObject>
#include <QRect>

#include <functional>
#include <memory>
#include <optional>

class ActivationController;
class AppStateStore;
class BreakScreenConfig;
class QWidget;

// Owns the settings window and, above it, the break-screen customizer window: creates them on
// demand, brings the application to the front while they show and sends it back to the tray
// when they go, moving the application between the settings and background phases. A break
// holds the screen: while one runs, showing the window is only remembered for after the
// break, and hiding or closing it does not count as leaving the settings. The window's
// content comes from a content factory, called once at the first show; the content is kept
// with the window for the rest of the run. Main thread only.
class SettingsWindowController : public QObject
{
    Q_OBJECT

public:
    static constexpr int windowWidth = 880;
    static constexpr int windowHeight = 820;
    // The shortest the window gets on a small screen; below it the panes no longer fit.
    static constexpr int minimumWindowHeight = 500;
    // Room kept for the title bar while the window manager has not said how tall it is.
    static constexpr int assumedTitleBarHeight = 40;
    static constexpr int customizerPreferredWidth = 1180;
    static constexpr int customizerPreferredHeight = 800;
    // The customizer keeps this far from the edges of a screen too small for it.
    static constexpr int customizerMargin = 24;

    // The settings window's content, made once.
    using ContentFactory = std::function<QWidget *()>;
    // The customizer's view on a freshly loaded configuration, with the action that closes it.
    using CustomizerFactory =
        std::function<QWidget *(std::unique_ptr<BreakScreenConfig> config, std::function<void()> close)>;

    SettingsWindowController(ActivationController &activation, AppStateStore &appState,
                             QObject *parent = nullptr);
    ~SettingsWindowController() override;

    // The customizer's frame in a screen's available area (none: no screen): at most its
    // preferred size, kept off the edges, centred.
    static QRect customizerFrame(const std::optional<QRect> &availableArea);
    // The settings window's geometry (without its frame) on a screen's available area, given
    // the frame's margins: 880 wide and 820 tall, or as tall as the area leaves room for with
    // the frame (never below 500), centred, and never with the frame's top or left outside
    // the area, so the title bar stays in reach.
    static QRect windowGeometry(const QRect &availableArea, const QMargins &frame);

    // Both take effect for windows made afterwards; without a customizer factory (the
    // application installs one) showCustomizer() only shows the settings window.
    void setContentFactory(ContentFactory factory);
    void setCustomizerFactory(CustomizerFactory factory);
    // Called after the window closed in any way but a break's hold.
    void setOnWindowClosed(std::function<void()> handler);

    // Brings the window, or the customizer above it, to the front, creating and centring the
    // window the first time. During a break it only remembers to do so after the break.
    void show();
    // Takes both windows off the screen; the settings window is kept for the next show().
    void hide();
    // Opens the customizer above the settings window, showing that first when needed.
    void showCustomizer();
    // `refocusSettings`: a visible settings window gets the keyboard back.
    void closeCustomizer(bool refocusSettings);
    // The break-screen preview has closed: the window the user was in gets the focus back.
    void restoreFocusAfterPreview();

    // Whether show() was asked for during the break; asking clears it.
    bool takeShowRequestedDuringBreak();
    // The window manager's return of the settings at the end of a break, while the break
    // still counts as running.
    void showAfterBreak();

    // Null until the first show().
    QWidget *window() const { return m_window.get(); }
    // What the content factory made for the window; null until the first show().
    QWidget *content() const { return m_content; }
    // Shown and not minimised: a minimised window is out of the user's way.
    bool isWindowVisible() const;
    // Null while the customizer is closed.
    QWidget *customizerWindow() const { return m_customizerWindow.get(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void present();
    void createWindow();
    void createCustomizerWindow();
    // The user closed the window from its frame.
    void handleClose();
    // The customizer closed in another way than closeCustomizer().
    void customizerDidClose();
    void detachCustomizer();
    static void makeKeyAndOrderFront(QWidget *window);
    bool breakIsRunning() const;
    void sendAppToBackground();

    ActivationController &m_activation;
    AppStateStore &m_appState;
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<QWidget> m_customizerWindow;
    QWidget *m_content = nullptr; // owned by m_window
    ContentFactory m_contentFactory;
    CustomizerFactory m_customizerFactory;
    std::function<void()> m_onWindowClosed;
    bool m_showRequestedDuringBreak = false;
};

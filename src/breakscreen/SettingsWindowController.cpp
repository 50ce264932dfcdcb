#include "breakscreen/SettingsWindowController.h"

#include "breakscreen/ActivationController.h"
#include "breakscreen/BreakScreenConfig.h"
#include "core/AppState.h"
#include "core/Logger.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace {

const QString category = QStringLiteral("SettingsWindow");

// The panes are laid out for one size: the window can be neither resized nor maximised.
constexpr Qt::WindowFlags settingsFlags = Qt::Window | Qt::CustomizeWindowHint
                                          | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                                          | Qt::WindowMinimizeButtonHint;
// The customizer closes through its own action only.
constexpr Qt::WindowFlags customizerFlags = Qt::Window | Qt::CustomizeWindowHint
                                            | Qt::WindowTitleHint;

QWidget *emptyContent()
{
    return new QWidget;
}

} // namespace

SettingsWindowController::SettingsWindowController(ActivationController &activation,
                                                   AppStateStore &appState, QObject *parent)
    : QObject(parent)
    , m_activation(activation)
    , m_appState(appState)
    , m_contentFactory(&emptyContent)
{
}

SettingsWindowController::~SettingsWindowController()
{
    // The windows go first, so their last events never reach a half-destroyed controller.
    if (m_customizerWindow)
        m_customizerWindow->removeEventFilter(this);
    m_customizerWindow.reset();
    if (m_window)
        m_window->removeEventFilter(this);
}

QRect SettingsWindowController::customizerFrame(const std::optional<QRect> &availableArea)
{
    const QRect area = availableArea.value_or(
                           QRect(0, 0, customizerPreferredWidth, customizerPreferredHeight))
                           .adjusted(customizerMargin, customizerMargin, -customizerMargin,
                                     -customizerMargin);
    const QSize size(std::min(area.width(), customizerPreferredWidth),
                     std::min(area.height(), customizerPreferredHeight));
    QRect frame(QPoint(0, 0), size);
    frame.moveCenter(area.center());
    return frame;
}

QRect SettingsWindowController::windowGeometry(const QRect &availableArea, const QMargins &frame)
{
    const int roomForContent = availableArea.height() - frame.top() - frame.bottom();
    const QSize size(windowWidth, std::clamp(roomForContent, minimumWindowHeight, windowHeight));
    const QSize outer = size.grownBy(frame);
    QPoint topLeft = availableArea.center() - QPoint(outer.width() / 2, outer.height() / 2);
    topLeft.setX(std::max(topLeft.x(), availableArea.left()));
    topLeft.setY(std::max(topLeft.y(), availableArea.top()));
    return QRect(topLeft + QPoint(frame.left(), frame.top()), size);
}

void SettingsWindowController::setContentFactory(ContentFactory factory)
{
    m_contentFactory = std::move(factory);
}

void SettingsWindowController::setCustomizerFactory(CustomizerFactory factory)
{
    m_customizerFactory = std::move(factory);
}

void SettingsWindowController::setOnWindowClosed(std::function<void()> handler)
{
    m_onWindowClosed = std::move(handler);
}

void SettingsWindowController::show()
{
    // Coming to the front now would take the settings phase from the break on screen, and
    // the break would then end with the window up and the application in the background.
    if (breakIsRunning()) {
        m_showRequestedDuringBreak = true;
        logInfo(category, QStringLiteral("show() deferred — break is running"));
        return;
    }
    present();
}

bool SettingsWindowController::takeShowRequestedDuringBreak()
{
    return std::exchange(m_showRequestedDuringBreak, false);
}

void SettingsWindowController::showAfterBreak()
{
    m_showRequestedDuringBreak = false;
    present();
}

void SettingsWindowController::present()
{
    if (!m_window) {
        createWindow();
        makeKeyAndOrderFront(m_window.get());
    } else if (m_customizerWindow && m_customizerWindow->isVisible()) {
        m_window->show();
        makeKeyAndOrderFront(m_customizerWindow.get());
    } else {
        makeKeyAndOrderFront(m_window.get());
    }
    m_activation.bringToForeground();
    m_appState.transition(AppState::settings);
}

void SettingsWindowController::makeKeyAndOrderFront(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void SettingsWindowController::hide()
{
    if (breakIsRunning()) {
        logInfo(category, QStringLiteral("hide() ignored — break is running"));
        return;
    }
    logInfo(category, QStringLiteral("hide() called"));
    closeCustomizer(false);
    if (m_window)
        m_window->hide();
    sendAppToBackground();
    m_appState.transition(AppState::background);
}

void SettingsWindowController::createWindow()
{
    m_window = std::make_unique<QWidget>(nullptr, settingsFlags);
    m_window->setWindowTitle(QGuiApplication::applicationDisplayName());
    // A fixed 880 x 820 would reach past the foot of a 768-pixel screen, out of reach; the
    // window takes the height the screen has, and the panes scroll.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, windowWidth, windowHeight);
    const QRect geometry = windowGeometry(area, QMargins(0, assumedTitleBarHeight, 0, 0));
    m_window->setFixedSize(geometry.size());
    m_window->move(geometry.topLeft() - QPoint(0, assumedTitleBarHeight));
    m_content = m_contentFactory();
    auto *layout = new QVBoxLayout(m_window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_content);
    // The desktop's close command closes the window as its title bar's button does.
    auto *close = new QShortcut(QKeySequence::Close, m_window.get());
    close->setContext(Qt::WindowShortcut);
    connect(close, &QShortcut::activated, m_window.get(), &QWidget::close);
    m_window->installEventFilter(this);
}

bool SettingsWindowController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close) {
        if (watched == m_window.get())
            handleClose();
        else if (watched == m_customizerWindow.get())
            customizerDidClose();
    }
    return QObject::eventFilter(watched, event);
}

void SettingsWindowController::handleClose()
{
    // The window closes either way; during a break it can simply be shown again later.
    if (breakIsRunning()) {
        logInfo(category, QStringLiteral("handleClose() ignored — break is running"));
        return;
    }
    closeCustomizer(false);
    logInfo(category, QStringLiteral("handleClose() called"));
    sendAppToBackground();
    m_appState.transition(AppState::background);
    if (m_onWindowClosed)
        m_onWindowClosed();
}

void SettingsWindowController::sendAppToBackground()
{
    if (m_activation.isInBreakMode())
        return;
    m_activation.sendToBackground();
}

bool SettingsWindowController::isWindowVisible() const
{
    return m_window && m_window->isVisible() && !m_window->isMinimized();
}

bool SettingsWindowController::breakIsRunning() const
{
    return m_appState.current() == AppState::breakRunning;
}

void SettingsWindowController::showCustomizer()
{
    // A customizer over a window that is not there would float alone.
    if (!isWindowVisible()) {
        show();
        if (!isWindowVisible())
            return; // put off by a break
    }
    if (m_customizerWindow) {
        makeKeyAndOrderFront(m_customizerWindow.get());
        return;
    }
    if (!m_customizerFactory) {
        logWarn(category, QStringLiteral("showCustomizer() ignored — no customizer view installed"));
        return;
    }
    createCustomizerWindow();
    makeKeyAndOrderFront(m_customizerWindow.get());
}

void SettingsWindowController::createCustomizerWindow()
{
    const QScreen *screen = m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
    const QRect frame = customizerFrame(screen ? std::optional(screen->availableGeometry())
                                               : std::nullopt);
    // A child window stays above the settings window and moves with it; while it is open the
    // settings window takes no input. A main window, so that screen readers find a frame
    // named by its title rather than a nameless filler.
    auto *window = new QMainWindow(m_window.get(), customizerFlags);
    m_customizerWindow.reset(window);
    window->setWindowModality(Qt::WindowModal);
    window->setGeometry(frame);
    window->setFixedSize(frame.size());
    QWidget *content = m_customizerFactory(BreakScreenConfig::load(), [this] { closeCustomizer(true); });
    window->setWindowTitle(content->windowTitle());
    window->setCentralWidget(content);
    window->installEventFilter(this);
}

void SettingsWindowController::closeCustomizer(bool refocusSettings)
{
    if (!m_customizerWindow)
        return;
    // Taken out of the filter first: this close must not come back as customizerDidClose().
    m_customizerWindow->removeEventFilter(this);
    std::unique_ptr<QWidget> customizer = std::move(m_customizerWindow);
    customizer->hide();
    customizer->close();
    // Its close action may be what runs now.
    customizer.release()->deleteLater();
    if (refocusSettings && isWindowVisible())
        makeKeyAndOrderFront(m_window.get());
}

void SettingsWindowController::customizerDidClose()
{
    detachCustomizer();
    if (isWindowVisible())
        makeKeyAndOrderFront(m_window.get());
}

void SettingsWindowController::detachCustomizer()
{
    if (!m_customizerWindow)
        return;
    m_customizerWindow->removeEventFilter(this);
    m_customizerWindow.release()->deleteLater();
}

void SettingsWindowController::restoreFocusAfterPreview()
{
    QWidget *target = m_customizerWindow && m_customizerWindow->isVisible() ? m_customizerWindow.get()
                      : isWindowVisible()                                    ? m_window.get()
                                                                             : nullptr;
    if (!target)
        return;
    makeKeyAndOrderFront(target);
    m_activation.bringToForeground();
}

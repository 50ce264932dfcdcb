#include "breakscreen/SettingsWindowController.h"

#include "breakscreen/ActivationController.h"
#include "core/AppState.h"
#include "core/Logger.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

const QString category = QStringLiteral("SettingsWindow");

} // namespace

SettingsWindowController::SettingsWindowController(ActivationController &activation,
                                                   AppStateStore &appState, QObject *parent)
    : QObject(parent)
    , m_activation(activation)
    , m_appState(appState)
{
}

SettingsWindowController::~SettingsWindowController()
{
    // The window goes first, so its last events never reach a half-destroyed controller.
    if (m_window)
        m_window->removeEventFilter(this);
}

void SettingsWindowController::show()
{
    if (!m_window)
        createWindow();
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    m_activation.bringToForeground();
    m_appState.transition(AppState::settings);
}

void SettingsWindowController::hide()
{
    if (breakIsRunning()) {
        logInfo(category, QStringLiteral("hide() ignored — break is running"));
        return;
    }
    logInfo(category, QStringLiteral("hide() called"));
    if (m_window)
        m_window->hide();
    m_activation.sendToBackground();
    m_appState.transition(AppState::background);
}

void SettingsWindowController::createWindow()
{
    m_window = std::make_unique<QWidget>();
    m_window->setWindowTitle(QGuiApplication::applicationDisplayName());
    // The panes are laid out for one size; the window is not resizable.
    m_window->setFixedSize(windowWidth, windowHeight);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        m_window->move(screen->availableGeometry().center() - m_window->rect().center());
    m_window->installEventFilter(this);
}

bool SettingsWindowController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window.get() && event->type() == QEvent::Close)
        handleClose();
    return QObject::eventFilter(watched, event);
}

void SettingsWindowController::handleClose()
{
    // The window closes either way; during a break it can simply be shown again later.
    if (breakIsRunning()) {
        logInfo(category, QStringLiteral("handleClose() ignored — break is running"));
        return;
    }
    logInfo(category, QStringLiteral("handleClose() called"));
    m_activation.sendToBackground();
    m_appState.transition(AppState::background);
}

bool SettingsWindowController::breakIsRunning() const
{
    return m_appState.current() == AppState::breakRunning;
}

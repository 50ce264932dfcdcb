#include "breakscreen/BreakPanel.h"

#include "breakscreen/BreakScreenConfig.h"

#include <QCloseEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// Bypassing the window manager is what puts the panel above its docks and on every desktop;
// staying on top and the tool type keep it out of the taskbar where a platform manages it
// after all.
constexpr Qt::WindowFlags panelFlags = Qt::Window | Qt::FramelessWindowHint
                                       | Qt::BypassWindowManagerHint | Qt::WindowStaysOnTopHint
                                       | Qt::NoDropShadowWindowHint;

} // namespace

BreakPanel::BreakPanel(QWidget *content, std::shared_ptr<BreakScreenConfig> config)
    : QWidget(nullptr, panelFlags)
    , m_content(content)
    , m_config(std::move(config))
{
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Lumenpause break"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(content);
    setFocusProxy(content);
}

// The content goes before the configuration it reads.
BreakPanel::~BreakPanel()
{
    delete m_content.data();
}

void BreakPanel::placeOn(QScreen *screen)
{
    if (!screen)
        return;
    setScreen(screen);
    setGeometry(screen->geometry());
}

void BreakPanel::orderFront()
{
    if (!isVisible())
        show();
    raise();
}

void BreakPanel::makeKey()
{
    activateWindow();
    // Taken back after another window had it, the keyboard stays on the control the user
    // had moved it to.
    QWidget *focused = focusWidget();
    if (m_content && !(focused && (focused == m_content || m_content->isAncestorOf(focused))))
        m_content->setFocus(Qt::ActiveWindowFocusReason);
}

void BreakPanel::setGrabsKeyboard(bool grab)
{
    QWindow *window = windowHandle();
    if (grab == m_grabsKeyboard || !window)
        return;
    if (!grab) {
        window->setKeyboardGrabEnabled(false);
        m_grabsKeyboard = false;
        return;
    }
    if (isVisible())
        m_grabsKeyboard = window->setKeyboardGrabEnabled(true);
}

void BreakPanel::closePanel()
{
    setGrabsKeyboard(false);
    m_closing = true;
    close();
}

void BreakPanel::closeEvent(QCloseEvent *event)
{
    // A break is ended through its controller, which reports the outcome, never by a close
    // request from the desktop.
    if (m_closing)
        event->accept();
    else
        event->ignore();
}

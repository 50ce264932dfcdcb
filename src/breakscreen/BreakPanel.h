#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>

class BreakScreenConfig;
class QScreen;

// The window of every break and preview panel: frameless, covering one whole screen, above
// every other window, docks and desktop panels included, and on every virtual desktop. It is
// not managed by the window manager at all (under X11 an override-redirect window), which is
// what keeps the window manager from stacking its panels over it or leaving it behind on a
// desktop switch; the price is that it must take the keyboard focus itself, which makeKey()
// does. It refuses to be closed by anyone but its controller. It keeps the configuration its
// content reads alive for as long as it lives.
class BreakPanel : public QWidget
{
    Q_OBJECT

public:
    // Takes the content; `config` is what the content was built with.
    BreakPanel(QWidget *content, std::shared_ptr<BreakScreenConfig> config);
    ~BreakPanel() override;

    QWidget *content() const { return m_content; }

    // Covers the screen's whole geometry.
    void placeOn(QScreen *screen);
    // Shows the panel when hidden and raises it over everything.
    void orderFront();
    // Gives the panel, and the content in it, the keyboard focus; a control of the content
    // that had it keeps it.
    void makeKey();
    // Takes or lets go of the whole keyboard; a grab the server refuses (the panel is not
    // mapped yet, another client holds one) is tried again on the next call.
    void setGrabsKeyboard(bool grab);
    bool grabsKeyboard() const { return m_grabsKeyboard; }
    // Lets go of the keyboard and takes the panel off the screen for good.
    void closePanel();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QPointer<QWidget> m_content;
    std::shared_ptr<BreakScreenConfig> m_config;
    bool m_grabsKeyboard = false;
    bool m_closing = false;
};

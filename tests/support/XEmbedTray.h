#pragma once

#include <QImage>
#include <QList>
#include <QProcess>
#include <QSize>
#include <QString>

#include <xcb/xproto.h>

#include <memory>

class XcbConnection;

// An XEmbed system tray on the test X server (wmdocker), as older desktops' panels provide
// one, seen over an X connection of its own. Stopped when it goes out of scope.
class XEmbedTray
{
public:
    explicit XEmbedTray(int iconSize);
    ~XEmbedTray();

    // Empty once the tray's window is up and the tray owns the tray selection; else what
    // went wrong.
    QString waitUntilReady(int timeoutMs);
    // The icons' windows docked in the tray now.
    QList<xcb_window_t> dockedIcons() const;
    QSize size(xcb_window_t window) const;
    // What the window shows on screen now; null when it cannot be read.
    QImage grab(xcb_window_t window) const;

private:
    bool selectionOwned() const;
    xcb_window_t findTitled(xcb_window_t window, const QByteArray &title) const;
    QList<xcb_window_t> children(xcb_window_t window) const;

    QProcess m_process;
    std::unique_ptr<XcbConnection> m_x;
    xcb_window_t m_dock = XCB_NONE;
};

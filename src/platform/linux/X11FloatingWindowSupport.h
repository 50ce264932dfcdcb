#pragma once

#include "menubar/FloatingWindowSupport.h"

#include <QByteArray>
#include <QString>

#include <xcb/xproto.h>

#include <memory>

class XcbConnection;

// The floating notice's needs on an X server, over a connection of its own: a compositor
// runs while some client owns the _NET_WM_CM_S<screen> selection (asked afresh each time,
// since compositors come and go); a window on desktop 0xFFFFFFFF is shown on every desktop
// by window managers that follow the desktop hints; and the input region of the shape
// extension decides which clicks a window receives.
class X11FloatingWindowSupport : public FloatingWindowSupport
{
public:
    // Null, with the reason in failure, when the display does not open.
    static std::unique_ptr<X11FloatingWindowSupport> open(const QByteArray &displayName,
                                                          QString *failure = nullptr);
    ~X11FloatingWindowSupport() override;

    bool isCompositing() const override;
    void showOnAllWorkspaces(QWidget *window) const override;
    // Clears the input region of every window between this one and the root: the frames of
    // a reparenting window manager that copies a window's outline to its frame but not the
    // window's input region (openbox among them), which would otherwise catch the clicks.
    void letClicksThroughFrame(QWidget *window) const override;

private:
    explicit X11FloatingWindowSupport(std::unique_ptr<XcbConnection> connection);
    xcb_atom_t internAtom(const QByteArray &name) const;
    // The window's parent; none when it is a child of the root or cannot be asked.
    xcb_window_t frameOf(xcb_window_t window) const;

    std::unique_ptr<XcbConnection> m_connection;
    xcb_atom_t m_compositorSelection;
    xcb_atom_t m_desktopProperty;
    bool m_hasShape;
};

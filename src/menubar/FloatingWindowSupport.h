#pragma once

class QWidget;

// What the floating notice asks of the desktop's window system beyond what the toolkit
// offers. The application installs the system's implementation; until then a quiet one
// answers (no compositor, nothing pinned).
class FloatingWindowSupport
{
public:
    virtual ~FloatingWindowSupport() = default;

    // Whether a compositor runs now: only then can a window be see-through around its
    // rounded body; otherwise the window is cut to the body's shape.
    virtual bool isCompositing() const = 0;
    // Keeps a top-level window on every workspace, so switching workspaces while a notice
    // shows does not leave it behind. Called before the window is first shown.
    virtual void showOnAllWorkspaces(QWidget *window) const = 0;
    // Some window managers put every window they manage in a frame of their own that takes
    // the clicks the window itself lets through; this makes such a frame let them through
    // as well. Called once the window is on screen, when the frame exists.
    virtual void letClicksThroughFrame(QWidget *window) const = 0;
};

#pragma once

#include "breakscreen/BreakOverlayView.h"
#include "core/ThemeManager.h"
#include "support/BreakOverlayRig.h"

#include <functional>
#include <memory>

// Break overlays shown as windows of their own on the offscreen platform, on a fake clock.
// The leaves wait four seconds before they drift and start in the far corner, so nothing
// but what a test does repaints the screen.
struct BreakOverlayViewRig : BreakOverlayRig
{
    BreakOverlayViewRig();

    // A break of that many seconds, shown and exposed; its window is the active one.
    BreakOverlayView &show(qint64 seconds, bool isLong = false,
                           BreakOverlayMode mode = BreakOverlayMode::live());
    // A click delivered to the window, so it reaches whichever part lies on top there.
    void clickAt(QWidget *part, const QPointF &local);
    // A key pressed and released in the window, as the keyboard delivers it.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Waits (a few seconds at most) for the overlay's eased changes to land.
    void waitUntil(const std::function<bool()> &condition);

    ThemeManager theme;
    std::unique_ptr<BreakOverlayView> view;
};

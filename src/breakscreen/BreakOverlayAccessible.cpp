#include "breakscreen/BreakOverlayAccessible.h"

#include "breakscreen/BreakCountdownView.h"
#include "breakscreen/BreakOverlayView.h"
#include "core/AccessibleFactory.h"

BreakOverlayAccessible::BreakOverlayAccessible(BreakOverlayView *view)
    : QAccessibleWidget(view, QAccessible::Client)
{
}

void BreakOverlayAccessible::install()
{
    installAccessibleFactory<BreakOverlayView, BreakOverlayAccessible>();
}

BreakOverlayView *BreakOverlayAccessible::view() const
{
    return static_cast<BreakOverlayView *>(widget());
}

// The whole message, even when the screen shows it cut to fit; the time left only while the
// countdown shows it, in the words the countdown is read with.
QString BreakOverlayAccessible::text(QAccessible::Text kind) const
{
    switch (kind) {
    case QAccessible::Name: return view()->model().fixedMessage();
    case QAccessible::Description: {
        const BreakCountdownView *countdown = view()->countdownView();
        return countdown && countdown->isVisible() ? countdown->accessibleName() : QString();
    }
    default: return QAccessibleWidget::text(kind);
    }
}

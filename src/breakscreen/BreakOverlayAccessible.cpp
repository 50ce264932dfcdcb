#include "breakscreen/BreakOverlayAccessible.h"

#include "breakscreen/BreakCountdownView.h"
#include "breakscreen/BreakOverlayView.h"

BreakOverlayAccessible::BreakOverlayAccessible(BreakOverlayView *view)
    : QAccessibleWidget(view, QAccessible::Client)
{
}

void BreakOverlayAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&factory);
        return true;
    }();
    Q_UNUSED(installed);
}

QAccessibleInterface *BreakOverlayAccessible::factory(const QString &className, QObject *object)
{
    if (className != QLatin1String(BreakOverlayView::staticMetaObject.className()))
        return nullptr;
    auto *view = qobject_cast<BreakOverlayView *>(object);
    return view ? new BreakOverlayAccessible(view) : nullptr;
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

#include "support/BreakOverlayViewRig.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int waitMs = 3000;

} // namespace

BreakOverlayViewRig::BreakOverlayViewRig()
    : theme(store, nullptr)
{
}

BreakOverlayView &BreakOverlayViewRig::show(qint64 seconds, bool isLong, BreakOverlayMode mode)
{
    if (isLong)
        settings.setLongBreakDuration(seconds);
    else
        settings.setBreakDuration(seconds);
    view = std::make_unique<BreakOverlayView>(
        config, isLong, mode,
        [this](const BreakDismissalOutcome &outcome) { outcomes.append(describe(outcome)); },
        BreakOverlayServices{settings, clock, theme, {}, [] { return 1.0; }});
    view->resize(1280, 800);
    view->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    EXPECT_TRUE(QTest::qWaitForWindowActive(view.get()));
    return *view;
}

void BreakOverlayViewRig::clickAt(QWidget *part, const QPointF &local)
{
    const QPoint inWindow = part->mapTo(view.get(), local.toPoint());
    QTest::mouseClick(view->windowHandle(), Qt::LeftButton, {}, inWindow);
}

void BreakOverlayViewRig::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(view->windowHandle(), key, modifiers);
}

void BreakOverlayViewRig::waitUntil(const std::function<bool()> &condition)
{
    EXPECT_TRUE(QTest::qWaitFor(condition, waitMs));
}

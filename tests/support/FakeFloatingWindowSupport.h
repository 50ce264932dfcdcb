#pragma once

#include "menubar/FloatingWindowSupport.h"

#include <QList>
#include <QPointer>
#include <QWidget>

// A window system whose compositor the test switches on and off, and which records the
// windows it was asked to keep on every workspace.
class FakeFloatingWindowSupport : public FloatingWindowSupport
{
public:
    bool isCompositing() const override { return m_compositing; }
    void showOnAllWorkspaces(QWidget *window) const override;
    void letClicksThroughFrame(QWidget *window) const override;

    void setCompositing(bool compositing) { m_compositing = compositing; }
    // Each window as it was handed over, and whether it was already visible then.
    struct Pinned
    {
        QPointer<QWidget> window;
        bool wasVisible;
    };
    const QList<Pinned> &pinned() const { return m_pinned; }
    // The windows whose frames were asked to let clicks through, in order.
    const QList<QPointer<QWidget>> &clickThroughFrames() const { return m_clickThroughFrames; }

private:
    bool m_compositing = true;
    mutable QList<Pinned> m_pinned;
    mutable QList<QPointer<QWidget>> m_clickThroughFrames;
};

#include "support/FakeFloatingWindowSupport.h"

void FakeFloatingWindowSupport::showOnAllWorkspaces(QWidget *window) const
{
    m_pinned.append({window, window->isVisible()});
}

void FakeFloatingWindowSupport::letClicksThroughFrame(QWidget *window) const
{
    m_clickThroughFrames.append(window);
}

#include "FrameWatch.h"

#include <QAbstractAnimation>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int frameTimeoutMs = 5000;

} // namespace

void FrameWatch::watch(QWidget *topLevel, QWidget *content)
{
    m_topLevel = topLevel;
    m_content = content ? content : topLevel;
}

bool FrameWatch::notify(QObject *receiver, QEvent *event)
{
    const QEvent::Type type = event->type();
    // isAncestorOf() holds for the widget itself and stops at a window's edge.
    if (m_content && type == QEvent::Paint && receiver->isWidgetType()
        && m_content->isAncestorOf(static_cast<QWidget *>(receiver)))
        m_contentPainted = true;
    const bool result = QApplication::notify(receiver, event);
    const bool frame = m_topLevel
                       && ((receiver == m_topLevel->windowHandle() && type == QEvent::Expose)
                           || (receiver == m_topLevel && type == QEvent::UpdateRequest));
    if (frame && m_contentPainted)
        m_framed = true;
    return result;
}

double FrameWatch::timeFrame(const std::function<void()> &act)
{
    m_contentPainted = false;
    m_framed = false;
    QElapsedTimer clock;
    clock.start();
    act();
    while (!m_framed && clock.elapsed() < frameTimeoutMs)
        processEvents(QEventLoop::WaitForMoreEvents, 5);
    return m_framed ? clock.nsecsElapsed() / 1e6 : -1;
}

bool FrameWatch::animating(const QWidget *root)
{
    const auto animations = root->findChildren<QAbstractAnimation *>();
    return std::any_of(animations.cbegin(), animations.cend(), [](const QAbstractAnimation *animation) {
        return animation->state() == QAbstractAnimation::Running;
    });
}

void printFigure(const char *what, double value, int decimals)
{
    std::printf("%s %.*f\n", what, decimals, value);
    std::fflush(stdout);
}

#include "menubar/HUDWindow.h"

#include "menubar/HUDContentView.h"

#include <QEasingCurve>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QWindow>

namespace {

// The standard timing curves of system animations: ease-out for entries, ease-in for exits.
QEasingCurve cubicBezier(QPointF first, QPointF second)
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(first, second, QPointF(1, 1));
    return curve;
}

const QEasingCurve kEaseOut = cubicBezier({0.0, 0.0}, {0.58, 1.0});
const QEasingCurve kEaseIn = cubicBezier({0.42, 0.0}, {1.0, 1.0});

Qt::WindowFlags hudWindowFlags(bool aboveFullscreen)
{
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint
                            | Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput
                            | Qt::WindowStaysOnTopHint;
    if (aboveFullscreen)
        flags |= Qt::BypassWindowManagerHint;
    return flags;
}

QParallelAnimationGroup *moveAndFade(QWidget *window, const QPoint &to, qreal opacity,
                                     int durationMs, const QEasingCurve &curve)
{
    auto *group = new QParallelAnimationGroup(window);
    auto *fade = new QPropertyAnimation(window, "windowOpacity", group);
    fade->setEndValue(opacity);
    auto *move = new QPropertyAnimation(window, "pos", group);
    move->setEndValue(to);
    for (QPropertyAnimation *animation : {fade, move}) {
        animation->setDuration(durationMs);
        animation->setEasingCurve(curve);
    }
    return group;
}

} // namespace

HUDWindow::HUDWindow(bool aboveFullscreen, bool translucent)
    : QWidget(nullptr, hudWindowFlags(aboveFullscreen))
    , m_aboveFullscreen(aboveFullscreen)
    , m_translucent(translucent)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_X11DoNotAcceptFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::NoFocus);
    if (translucent)
        setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(QStringLiteral("Lumenpause notice"));
}

void HUDWindow::setContent(HUDContentView *content)
{
    m_content = content;
    content->setParent(this);
    content->move(0, 0);
    setFixedSize(content->size());
    content->setShadowVisible(m_translucent);
    if (!m_translucent)
        setMask(content->bodyRegion());
}

void HUDWindow::slideIn(const QPoint &target, int distance, int durationMs)
{
    setWindowOpacity(0);
    move(target - QPoint(0, distance));
    winId(); // the native window exists from here on, so its exposure can be watched
    windowHandle()->installEventFilter(this);
    show();
    run(moveAndFade(this, target, 1, durationMs, kEaseOut));
}

void HUDWindow::fadeOut(int distance, int durationMs, std::function<void()> finished)
{
    if (m_animation)
        m_animation->stop();
    QAbstractAnimation *animation =
        moveAndFade(this, pos() - QPoint(0, distance), 0, durationMs, kEaseIn);
    connect(animation, &QAbstractAnimation::finished, this,
            [this, finished = std::move(finished)] {
                hide();
                if (finished)
                    finished();
            });
    run(animation);
}

bool HUDWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && !m_wasExposed && windowHandle()->isExposed()) {
        m_wasExposed = true;
        emit firstExposed();
    }
    return QWidget::eventFilter(watched, event);
}

void HUDWindow::run(QAbstractAnimation *animation)
{
    m_animation = animation;
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class HUDContentView;
class QAbstractAnimation;

// The notice's frameless window. It never takes focus or keyboard input and lets every
// click through to whatever lies below. It floats above ordinary windows; placed above
// full-screen windows it bypasses the window manager, which would otherwise stack a
// focused full-screen window over anything it keeps "above". A window is never reused:
// each notice gets a new one.
class HUDWindow : public QWidget
{
    Q_OBJECT

public:
    // translucent: a compositor runs, so the margin around the body can be see-through;
    // otherwise the window is cut to the body's rounded shape.
    HUDWindow(bool aboveFullscreen, bool translucent);

    // Takes the content and sizes the window to it.
    void setContent(HUDContentView *content);
    HUDContentView *content() const { return m_content; }

    bool isAboveFullscreen() const { return m_aboveFullscreen; }
    bool isTranslucent() const { return m_translucent; }

    // Shows the window without activating it, starting `distance` pixels above `target`
    // and invisible, and lets it fade in while it drops into place.
    void slideIn(const QPoint &target, int distance, int durationMs);
    // Fades out while rising `distance` pixels, then hides; `finished` runs after that.
    // Stops a slide-in still running.
    void fadeOut(int distance, int durationMs, std::function<void()> finished);

signals:
    // The window is on screen for the first time.
    void firstExposed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void run(QAbstractAnimation *animation);

    bool m_aboveFullscreen;
    bool m_translucent;
    HUDContentView *m_content = nullptr;
    QPointer<QAbstractAnimation> m_animation;
    bool m_wasExposed = false;
};

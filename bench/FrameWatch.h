#pragma once

#include <QApplication>

#include <functional>

// The application object of the benches that time frames on a real X server: it notes when a
// frame of one window has been painted and handed to the display, that is the end of the
// window's expose or update handling once a widget of its content painted.
class FrameWatch : public QApplication
{
public:
    using QApplication::QApplication;

    // The window whose frames count: its handle gets the exposes, the widget the update
    // requests. Without `content`, a paint of anything in the window counts.
    void watch(QWidget *topLevel, QWidget *content = nullptr);
    // A paint of `content` or of anything inside it makes the next frame count.
    void watchContent(QWidget *content) { m_content = content; }

    // Milliseconds from now until the next frame with painted content, after `act`; -1 when
    // none comes within five seconds.
    double timeFrame(const std::function<void()> &act);

    // Whether an animation under `root` is still running.
    static bool animating(const QWidget *root);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    QWidget *m_topLevel = nullptr;
    QWidget *m_content = nullptr;
    bool m_contentPainted = false;
    bool m_framed = false;
};

// Prints "<what> <value>" with `decimals` places, at once, so that a script reading the
// output sees each figure as it comes.
void printFigure(const char *what, double value, int decimals = 2);

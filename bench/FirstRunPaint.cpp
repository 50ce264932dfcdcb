// How long a first run takes from the launch coordinator's show of the settings window to
// the window painted with the first-run flow: the real application, started cold, on a home
// without settings. Prints the milliseconds and quits once the flow has been drawn and
// handed to the window system.
//
// Run it through bench/first_run_paint.sh, which gives each start a fresh home inside the
// test services.

#include "app/LumenpauseApp.h"
#include "core/LogSink.h"
#include "core/Logger.h"

#include <QCoreApplication>
#include <QEvent>

#include <atomic>
#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

std::atomic<Clock::rep> s_showAt{0};

// Notes when the coordinator announces the start, just before it shows the window, and
// passes every line on.
class LaunchWatch : public LogSink
{
public:
    explicit LaunchWatch(std::shared_ptr<LogSink> next)
        : m_next(std::move(next))
    {
    }

    void write(const LogRecord &record) override
    {
        if (record.message.startsWith(QLatin1String("launch_start")))
            s_showAt = Clock::now().time_since_epoch().count();
        if (m_next)
            m_next->write(record);
    }

private:
    std::shared_ptr<LogSink> m_next;
};

// The flow's first paint; the picture is on its way to the screen once the event that
// painted it has been handled, which the queued call waits for.
class PaintWatch : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->inherits("OnboardingView")) {
            m_seen = true;
            QMetaObject::invokeMethod(this, [] {
                const auto elapsed = Clock::duration(Clock::now().time_since_epoch().count() - s_showAt);
                std::printf("%.1f\n", std::chrono::duration<double, std::milli>(elapsed).count());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace

int main(int argc, char **argv)
{
    LumenpauseApp app(argc, argv);
    const std::shared_ptr<LogSink> journal = setLogSink(nullptr);
    setLogSink(std::make_shared<LaunchWatch>(journal));
    PaintWatch watch;
    QCoreApplication::instance()->installEventFilter(&watch);
    return app.exec();
}

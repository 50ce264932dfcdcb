// Shows the break overlay full-screen for a while, leaves drifting, and reports what it
// cost the process: processor time (all threads, from getrusage) against wall time, and how
// much of the screen was repainted. The clock is the real one, so the message fades and the
// controls come in as in a real break.
//
// Usage: overlay_cpu_cost [seconds, above 6 (default 20)] [background: Nature, Dark, Gradient,
// Blur]

#include "breakscreen/BreakOverlayView.h"
#include "breakscreen/BreakScreenConfig.h"
#include "core/AppSettings.h"
#include "core/InMemorySettingsRepository.h"
#include "core/SystemClock.h"
#include "core/ThemeManager.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QPaintEvent>
#include <QScreen>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval &time) { return time.tv_sec + time.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Counts the paint events of the overlay and its parts and the area they covered.
class PaintCounter : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            ++byPart[QString::fromLatin1(watched->metaObject()->className())];
            for (const QRect &rect : static_cast<QPaintEvent *>(event)->region())
                pixels += qint64(rect.width()) * rect.height();
        }
        return false;
    }
    qint64 paints = 0;
    qint64 pixels = 0;
    QMap<QString, qint64> byPart;
};

struct Sample
{
    double processor = 0;
    qint64 wallMs = 0;
    qint64 paints = 0;
    qint64 pixels = 0;

    static Sample now(const PaintCounter &counter)
    {
        static QElapsedTimer wall;
        if (!wall.isValid())
            wall.start();
        return {processorSeconds(), wall.elapsed(), counter.paints, counter.pixels};
    }
};

void report(const char *span, const Sample &from, const Sample &to, const QSize &screen)
{
    const double seconds = (to.wallMs - from.wallMs) / 1000.0;
    const double used = to.processor - from.processor;
    const double pixelsPerSecond = (to.pixels - from.pixels) / seconds;
    std::printf("  %s, %.1f s: processor %.3f s = %.2f %% of one core; %.1f paint events/s, "
                "%.0f pixels/s repainted (%.3f screens/s)\n",
                span, seconds, used, 100.0 * used / seconds, (to.paints - from.paints) / seconds,
                pixelsPerSecond, pixelsPerSecond / (double(screen.width()) * screen.height()));
}

void watchPaints(QWidget *widget, PaintCounter &counter)
{
    widget->installEventFilter(&counter);
    for (QWidget *child : widget->findChildren<QWidget *>())
        child->installEventFilter(&counter);
}

constexpr int startMs = 500;
constexpr int settledMs = 6000;

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toDouble() : 20.0;
    const auto background =
        breakBGFromRawValue(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("Nature"));
    if (seconds * 1000 <= settledMs || !background) {
        std::fprintf(stderr, "usage: overlay_cpu_cost [seconds] [Nature|Dark|Gradient|Blur]\n");
        return 2;
    }
    SystemClock clock;
    InMemorySettingsRepository store;
    AppSettings settings(store, clock);
    settings.setBreakDuration(qint64(seconds) + 60);
    ThemeManager theme(store, nullptr);
    BreakScreenConfig config;
    config.setBackground(*background);
    QScreen *screen = QGuiApplication::primaryScreen();

    QWidget panel;
    panel.setWindowFlag(Qt::FramelessWindowHint);
    BreakOverlayView overlay(config, false, BreakOverlayMode::live(),
                             [](const BreakDismissalOutcome &) {},
                             BreakOverlayServices{settings, clock, theme,
                                                  [screen] { return screen->grabWindow(0).toImage(); }},
                             &panel);
    panel.setGeometry(screen->geometry());
    panel.show();

    PaintCounter counter;
    Sample start;
    Sample settled;
    // The first full paint and the backdrop's picture are the break's start-up, not its
    // running cost: measuring begins once they are done. The message fades at 2.5 s and the
    // controls come in at 5 s; after that the break is in its steady state.
    QTimer::singleShot(startMs, [&] {
        watchPaints(&overlay, counter);
        start = Sample::now(counter);
        QTimer::singleShot(settledMs - startMs, [&] { settled = Sample::now(counter); });
        QTimer::singleShot(int(seconds * 1000), Qt::PreciseTimer, [&] { app.quit(); });
    });
    app.exec();

    const Sample end = Sample::now(counter);
    const QSize size = screen->geometry().size();
    std::printf("screen %dx%d, background %s\n", size.width(), size.height(),
                qPrintable(rawValue(*background)));
    report("whole break", start, end, size);
    report("after the controls came in", settled, end, size);
    std::printf("  paint events by part:");
    for (auto part = counter.byPart.cbegin(); part != counter.byPart.cend(); ++part)
        std::printf(" %s %lld", qPrintable(part.key()), part.value());
    std::printf("\n");
    return 0;
}

// Renders the whole break overlay to PNG files for a look by eye: every backdrop with every
// countdown style, in the light and the dark scheme, as the customizer's preview shows it
// (message, countdown, clock, controls and hint together) a third of the way through a
// five-minute break. Then the moments a live break passes through: the controls just in,
// the final fifth with "End Break", the snooze menu open, strict mode, a long break, and
// "Break complete" waiting for Resume. The blur backdrop is shown over a made-up desktop,
// as a virtual X server's screen is plain black.
//
// Usage: render_overlay <output folder>

#include "breakscreen/BreakActionRow.h"
#include "breakscreen/BreakOverlayView.h"
#include "breakscreen/BreakScreenConfig.h"
#include "breakscreen/SnoozeButton.h"
#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/InMemorySettingsRepository.h"
#include "core/ThemeManager.h"

#include <QApplication>
#include <QDir>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cstdio>
#include <list>

namespace {

const QSize screenSize(1440, 900);

// A clock that stands still until told to move, running what falls due on the way.
class StillClock : public Clock
{
public:
    QDateTime now() const override { return m_now; }

    CancellableHandle schedule(double intervalSeconds, bool repeats,
                               std::function<void()> block) override
    {
        const qint64 intervalMs = qint64(intervalSeconds * 1000);
        m_entries.push_back({m_now.addMSecs(intervalMs), repeats ? intervalMs : 0,
                             std::make_shared<std::function<void()>>(std::move(block)),
                             std::make_shared<bool>(false)});
        return std::make_unique<Handle>(m_entries.back().cancelled);
    }

    void advance(double seconds)
    {
        const QDateTime target = m_now.addMSecs(qint64(seconds * 1000));
        for (;;) {
            std::erase_if(m_entries, [](const Entry &entry) { return *entry.cancelled; });
            auto next = std::min_element(m_entries.begin(), m_entries.end(),
                                         [](const Entry &a, const Entry &b) { return a.due < b.due; });
            if (next == m_entries.end() || next->due > target)
                break;
            m_now = next->due;
            const auto block = next->block;
            if (next->repeatMs > 0)
                next->due = next->due.addMSecs(next->repeatMs);
            else
                *next->cancelled = true;
            (*block)();
        }
        m_now = target;
    }

private:
    struct Entry
    {
        QDateTime due;
        qint64 repeatMs;
        std::shared_ptr<std::function<void()>> block;
        std::shared_ptr<bool> cancelled;
    };
    class Handle : public Cancellable
    {
    public:
        explicit Handle(std::shared_ptr<bool> cancelled) : m_cancelled(std::move(cancelled)) {}
        ~Handle() override { cancel(); }
        void cancel() override { *m_cancelled = true; }

    private:
        std::shared_ptr<bool> m_cancelled;
    };

    QDateTime m_now{QDate(2025, 3, 4), QTime(14, 41, 12)};
    std::list<Entry> m_entries;
};

void paintWindow(QPainter &painter, const QRectF &frame, const QColor &body, const QColor &ink)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(frame.translated(0, 14).adjusted(-6, -2, 6, 10), 16, 16);
    painter.setBrush(body);
    painter.drawRoundedRect(frame, 12, 12);
    painter.setBrush(ink);
    for (int line = 0; line < 9; ++line) {
        const qreal width = frame.width() * (0.35 + 0.5 * ((line * 37) % 10) / 10.0);
        painter.drawRoundedRect(QRectF(frame.left() + 28, frame.top() + 64 + line * 30, width, 12),
                                6, 6);
    }
}

// A plausible desktop under the blur backdrop: a warm wallpaper, two windows and a panel.
QImage sampleDesktop()
{
    QImage desktop(screenSize, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&desktop);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, screenSize.width(), screenSize.height());
    sky.setColorAt(0.0, QColor(38, 70, 140));
    sky.setColorAt(0.55, QColor(196, 96, 120));
    sky.setColorAt(1.0, QColor(246, 176, 92));
    painter.fillRect(desktop.rect(), sky);
    QRadialGradient sun(QPointF(1100, 620), 320);
    sun.setColorAt(0, QColor(255, 226, 150, 220));
    sun.setColorAt(1, QColor(255, 226, 150, 0));
    painter.fillRect(desktop.rect(), sun);
    paintWindow(painter, QRectF(120, 150, 620, 420), QColor(250, 250, 252), QColor(60, 70, 90, 90));
    paintWindow(painter, QRectF(640, 300, 560, 440), QColor(34, 38, 48), QColor(120, 200, 255, 140));
    painter.fillRect(QRectF(0, 0, screenSize.width(), 32), QColor(20, 22, 28, 230));
    return desktop;
}

// One overlay on its own settings, theme and still clock.
struct Scene
{
    Scene(BreakBG background, BreakCountdown style, AppTheme theme)
        : settings(store, clock)
        , themes(store, nullptr)
    {
        themes.setAppTheme(theme);
        config.setBackground(background);
        config.setCountdownStyle(style);
    }

    std::unique_ptr<BreakOverlayView> show(BreakOverlayMode mode, bool isLong = false)
    {
        const QImage desktop = sampleDesktop();
        // The same leaves in every picture, so two renders can be compared.
        auto seeded = std::make_shared<QRandomGenerator>(20240611);
        auto view = std::make_unique<BreakOverlayView>(
            config, isLong, mode, [](const BreakDismissalOutcome &) {},
            BreakOverlayServices{settings, clock, themes, [desktop] { return desktop; },
                                 [seeded] { return seeded->generateDouble(); }});
        view->model().appear();
        return view;
    }

    StillClock clock;
    InMemorySettingsRepository store;
    AppSettings settings;
    ThemeManager themes;
    BreakScreenConfig config;
};

QImage render(BreakOverlayView &view)
{
    view.resize(screenSize);
    QImage image = sampleDesktop();
    QPainter painter(&image);
    view.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

void click(QWidget *widget, const QPointF &at)
{
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }
}

QString schemeName(AppTheme theme)
{
    return theme == AppTheme::dark ? QStringLiteral("dark") : QStringLiteral("light");
}

bool save(const QImage &image, const QDir &folder, const QString &name)
{
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool renderGrid(const QDir &folder, AppTheme theme)
{
    bool written = true;
    for (BreakBG background : allBreakBGs()) {
        for (BreakCountdown style : allBreakCountdowns()) {
            Scene scene(background, style, theme);
            auto view = scene.show(BreakOverlayMode::preview(300));
            scene.clock.advance(96);
            written &= save(render(*view), folder,
                            QStringLiteral("overlay-%1-%2-%3")
                                .arg(rawValue(background).toLower(), rawValue(style).toLower(),
                                     schemeName(theme)));
        }
    }
    return written;
}

// The moments of a live break, each on the backdrop that suits it.
bool renderMoments(const QDir &folder, AppTheme theme)
{
    const QString suffix = QLatin1Char('-') + schemeName(theme);
    bool written = true;
    {
        Scene scene(BreakBG::nature, BreakCountdown::timer, theme);
        scene.settings.setBreakDuration(20);
        auto view = scene.show(BreakOverlayMode::live());
        scene.clock.advance(6);
        written &= save(render(*view), folder, QStringLiteral("moment-controls-in") + suffix);
    }
    {
        Scene scene(BreakBG::gradient, BreakCountdown::ring, theme);
        scene.settings.setEndBreakEarly(true);
        scene.settings.setBreakDuration(60);
        auto view = scene.show(BreakOverlayMode::live());
        scene.clock.advance(50);
        written &= save(render(*view), folder, QStringLiteral("moment-final-fifth") + suffix);
        click(view->actionRow()->snoozeButton(),
              view->actionRow()->snoozeButton()->chevronRect().center());
        written &= save(render(*view), folder, QStringLiteral("moment-snooze-menu") + suffix);
    }
    {
        Scene scene(BreakBG::blur, BreakCountdown::bar, theme);
        scene.settings.setEnforcement(QStringLiteral("Hardcore"));
        scene.settings.setEndBreakEarly(true);
        scene.settings.setBreakDuration(60);
        auto view = scene.show(BreakOverlayMode::live());
        scene.clock.advance(55);
        written &= save(render(*view), folder, QStringLiteral("moment-strict") + suffix);
    }
    {
        Scene scene(BreakBG::dark, BreakCountdown::timer, theme);
        scene.settings.setLongBreakDuration(600);
        scene.settings.setLongBreakResume(QStringLiteral("confirm"));
        auto view = scene.show(BreakOverlayMode::live(), true);
        scene.clock.advance(130);
        written &= save(render(*view), folder, QStringLiteral("moment-long-break") + suffix);
        scene.clock.advance(600);
        written &= save(render(*view), folder, QStringLiteral("moment-break-complete") + suffix);
    }
    return written;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_overlay <output folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path()))
        return 1;
    bool written = true;
    for (AppTheme theme : {AppTheme::light, AppTheme::dark}) {
        written &= renderGrid(folder, theme);
        written &= renderMoments(folder, theme);
    }
    return written ? 0 : 1;
}

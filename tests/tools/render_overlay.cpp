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
#include "core/InMemorySettingsRepository.h"
#include "core/ThemeManager.h"
#include "support/FakeClock.h"
#include "support/PngOutput.h"
#include "support/SampleDesktop.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>

#include <cstdio>

namespace {

const QSize screenSize(1440, 900);

// One overlay on its own settings, theme and a clock that moves only when told.
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
        const QImage desktop = sampleDesktop(screenSize);
        // The same leaves in every picture, so two renders can be compared.
        auto seeded = std::make_shared<QRandomGenerator>(20240611);
        auto view = std::make_unique<BreakOverlayView>(
            config, isLong, mode, [](const BreakDismissalOutcome &) {},
            BreakOverlayServices{settings, clock, themes, [desktop] { return desktop; },
                                 [seeded] { return seeded->generateDouble(); }});
        view->model().appear();
        return view;
    }

    FakeClock clock{QDateTime(QDate(2025, 3, 4), QTime(14, 41, 12))};
    InMemorySettingsRepository store;
    AppSettings settings;
    ThemeManager themes;
    BreakScreenConfig config;
};

QImage render(BreakOverlayView &view)
{
    view.resize(screenSize);
    QImage image = sampleDesktop(screenSize);
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

bool renderGrid(const QDir &folder, AppTheme theme)
{
    bool written = true;
    for (BreakBG background : allBreakBGs()) {
        for (BreakCountdown style : allBreakCountdowns()) {
            Scene scene(background, style, theme);
            auto view = scene.show(BreakOverlayMode::preview(300));
            scene.clock.advance(96);
            written &= savePng(render(*view), folder,
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
        written &= savePng(render(*view), folder, QStringLiteral("moment-controls-in") + suffix);
    }
    {
        Scene scene(BreakBG::gradient, BreakCountdown::ring, theme);
        scene.settings.setEndBreakEarly(true);
        scene.settings.setBreakDuration(60);
        auto view = scene.show(BreakOverlayMode::live());
        scene.clock.advance(50);
        written &= savePng(render(*view), folder, QStringLiteral("moment-final-fifth") + suffix);
        click(view->actionRow()->snoozeButton(),
              view->actionRow()->snoozeButton()->chevronRect().center());
        written &= savePng(render(*view), folder, QStringLiteral("moment-snooze-menu") + suffix);
    }
    {
        Scene scene(BreakBG::blur, BreakCountdown::bar, theme);
        scene.settings.setEnforcement(QStringLiteral("Hardcore"));
        scene.settings.setEndBreakEarly(true);
        scene.settings.setBreakDuration(60);
        auto view = scene.show(BreakOverlayMode::live());
        scene.clock.advance(55);
        written &= savePng(render(*view), folder, QStringLiteral("moment-strict") + suffix);
    }
    {
        Scene scene(BreakBG::dark, BreakCountdown::timer, theme);
        scene.settings.setLongBreakDuration(600);
        scene.settings.setLongBreakResume(QStringLiteral("confirm"));
        auto view = scene.show(BreakOverlayMode::live(), true);
        scene.clock.advance(130);
        written &= savePng(render(*view), folder, QStringLiteral("moment-long-break") + suffix);
        scene.clock.advance(600);
        written &= savePng(render(*view), folder, QStringLiteral("moment-break-complete") + suffix);
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

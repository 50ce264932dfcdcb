// Renders the whole break overlay to PNG files for a look by eye: every backdrop with every
// countdown style, in the light and the dark scheme, as the customizer's preview shows it
// (message, countdown, clock, controls and hint together) a third of the way through a
// five-minute break. Then the moments a live break passes through: the controls just in,
// the final fifth with "End Break", the snooze menu open, strict mode, a long break, and
// "Break complete" waiting for Resume; the longest messages on 1280x800 and 1024x768 screens.
// The blur backdrop is shown over a made-up desktop, as a virtual X server's screen is plain
// black. Then the keyboard's focus ring on every backdrop: on the snooze chevron, on a row of
// the menu the keyboard opened, and on Resume. Last, every backdrop (the blur one over each
// sample desktop: light, dark, plain white, plain black) with the scenes that hold every
// text, the controls hovered and the snooze menu's rows among them, printing the contrast
// each text reaches against the floor it must meet.
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
#include "support/OverlayContrast.h"
#include "support/PngOutput.h"
#include "support/SampleDesktop.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

#include <cstdio>

namespace {

const QSize screenSize(1440, 900);

// One overlay on its own settings, theme and a clock that moves only when told.
struct Scene
{
    Scene(BreakBG background, BreakCountdown style, AppTheme theme,
          SampleDesktop desktop = SampleDesktop::light)
        : desktop(desktop)
        , settings(store, clock)
        , themes(store, nullptr)
    {
        themes.setAppTheme(theme);
        config.setBackground(background);
        config.setCountdownStyle(style);
    }

    std::unique_ptr<BreakOverlayView> show(BreakOverlayMode mode, bool isLong = false)
    {
        const QImage screen = sampleDesktop(screenSize, 1.0, desktop);
        // The same leaves in every picture, so two renders can be compared.
        auto seeded = std::make_shared<QRandomGenerator>(20240611);
        auto view = std::make_unique<BreakOverlayView>(
            config, isLong, mode, [](const BreakDismissalOutcome &) {},
            BreakOverlayServices{settings, clock, themes, [screen] { return screen; },
                                 [seeded] { return seeded->generateDouble(); }});
        view->model().appear();
        return view;
    }

    SampleDesktop desktop;
    FakeClock clock{QDateTime(QDate(2025, 3, 4), QTime(14, 41, 12))};
    InMemorySettingsRepository store;
    AppSettings settings;
    ThemeManager themes;
    BreakScreenConfig config;
};

QImage render(BreakOverlayView &view, SampleDesktop desktop = SampleDesktop::light)
{
    view.resize(screenSize);
    QImage image = sampleDesktop(screenSize, 1.0, desktop);
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

// The overlay as a window of its own, given the keyboard as its panel gives it, so that
// keys reach it as they reach a break; false when the window never became the active one.
bool takeKeyboard(BreakOverlayView &view)
{
    view.resize(screenSize);
    view.setFocus(Qt::ActiveWindowFocusReason);
    view.show();
    view.activateWindow();
    return QTest::qWaitForWindowActive(&view);
}

void type(BreakOverlayView &view, const QList<Qt::Key> &keys)
{
    for (Qt::Key key : keys)
        QTest::keyClick(view.windowHandle(), key);
}

// The focus ring where the keyboard takes it, on each backdrop.
bool renderFocus(const QDir &folder, AppTheme theme)
{
    const QString suffix = QLatin1Char('-') + schemeName(theme);
    bool written = true;
    for (BreakBG background : allBreakBGs()) {
        const QString name = rawValue(background).toLower() + suffix;
        {
            Scene scene(background, BreakCountdown::timer, theme);
            scene.settings.setEndBreakEarly(true);
            scene.settings.setBreakDuration(60);
            auto view = scene.show(BreakOverlayMode::live());
            scene.clock.advance(50);
            if (!takeKeyboard(*view))
                return false;
            type(*view, {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab});
            written &= savePng(render(*view), folder, QStringLiteral("moment-focus-chevron-") + name);
            type(*view, {Qt::Key_Down, Qt::Key_Down});
            QTest::qWait(400); // the menu eases open
            written &= savePng(render(*view), folder, QStringLiteral("moment-focus-menu-") + name);
        }
        Scene scene(background, BreakCountdown::timer, theme);
        scene.settings.setLongBreakDuration(60);
        scene.settings.setLongBreakResume(QStringLiteral("confirm"));
        auto view = scene.show(BreakOverlayMode::live(), true);
        scene.clock.advance(61);
        if (!takeKeyboard(*view))
            return false;
        written &= savePng(render(*view), folder, QStringLiteral("moment-focus-resume-") + name);
    }
    return written;
}

// The longest messages on small screens, every part shown as in the customizer's full-screen
// preview: ordinary words up to the field's limit, and a stored megabyte of one word as the
// overlay draws it, cut.
bool renderLongestMessages(const QDir &folder, AppTheme theme)
{
    QString words;
    while (words.size() < 280)
        words += QStringLiteral("rest your eyes on something far away and let your shoulders drop ");
    words.truncate(280);
    const std::pair<const char *, QString> messages[] = {
        {"words", words}, {"word", QString(1 << 20, QLatin1Char('w'))}};
    bool written = true;
    for (const QSize size : {QSize(1280, 800), QSize(1024, 768)}) {
        for (const auto &[kind, message] : messages) {
            Scene scene(BreakBG::blur, BreakCountdown::timer, theme);
            scene.config.setMessage(BreakScreenMessage::custom);
            scene.config.setCustomMessage(message);
            auto view = scene.show(BreakOverlayMode::preview(300));
            view->resize(size);
            QImage image = sampleDesktop(size, 1.0, scene.desktop);
            QPainter painter(&image);
            view->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
            painter.end();
            written &= savePng(image, folder,
                               QStringLiteral("longest-message-%1x%2-%3-%4")
                                   .arg(size.width())
                                   .arg(size.height())
                                   .arg(QLatin1String(kind), schemeName(theme)));
        }
    }
    return written;
}

// Prints one line per text and returns whether every text met its floor.
bool reportContrast(BreakOverlayView &view, const QString &scene, BreakBG background,
                    SampleDesktop desktop, AppTheme theme)
{
    const ColorScheme scheme = theme == AppTheme::dark ? ColorScheme::dark : ColorScheme::light;
    bool met = true;
    for (const TextContrast &text : measureTextContrast(
             view, sampleDesktop(screenSize, 1.0, desktop), background, scheme)) {
        met &= text.meetsFloor();
        std::printf("%-34s %-44s %5.2f:1 (floor %.1f:1)%s\n", qPrintable(scene),
                    qPrintable(QLatin1Char('"') + text.text.left(40) + QLatin1Char('"')), text.ratio,
                    text.floor, text.meetsFloor() ? "" : "  MISSED");
    }
    std::fflush(stdout);
    return met;
}

// The final fifth of a break with every control in its strongest state: the pills hovered,
// "End Break" in, the snooze menu open with a row held down.
std::unique_ptr<BreakOverlayView> showActiveControls(Scene &scene)
{
    scene.settings.setEndBreakEarly(true);
    scene.settings.setBreakDuration(60);
    auto view = scene.show(BreakOverlayMode::live());
    scene.clock.advance(50);
    view->resize(screenSize);
    activateEveryControl(*view);
    return view;
}

// The scenes that show every text on `background`: message, clock, controls and hint with
// the timer and with the ring; strict mode with the bar; the final fifth with every control
// hovered and the snooze menu open; "Break complete" with Resume. The blur backdrop is shown
// over each sample desktop; the others cover the screen whatever it shows.
bool renderContrast(const QDir &folder, AppTheme theme, BreakBG background, SampleDesktop desktop,
                    bool &met)
{
    QString name = QStringLiteral("contrast-") + rawValue(background).toLower() + QLatin1Char('-');
    if (background == BreakBG::blur)
        name += sampleDesktopName(desktop) + QLatin1Char('-');
    const QString suffix = QLatin1Char('-') + schemeName(theme);
    bool written = true;
    auto keep = [&](BreakOverlayView &view, const QString &scene) {
        written &= savePng(render(view, desktop), folder, name + scene + suffix);
        met &= reportContrast(view, name + scene + suffix, background, desktop, theme);
    };
    for (BreakCountdown style : {BreakCountdown::timer, BreakCountdown::ring}) {
        Scene scene(background, style, theme, desktop);
        auto view = scene.show(BreakOverlayMode::preview(300));
        scene.clock.advance(96);
        keep(*view, rawValue(style).toLower());
    }
    Scene strict(background, BreakCountdown::bar, theme, desktop);
    strict.settings.setEnforcement(QStringLiteral("Hardcore"));
    strict.settings.setEndBreakEarly(true);
    strict.settings.setBreakDuration(60);
    auto strictView = strict.show(BreakOverlayMode::live());
    strict.clock.advance(55);
    keep(*strictView, QStringLiteral("strict"));
    Scene active(background, BreakCountdown::timer, theme, desktop);
    keep(*showActiveControls(active), QStringLiteral("active"));
    Scene complete(background, BreakCountdown::timer, theme, desktop);
    complete.settings.setLongBreakDuration(600);
    complete.settings.setLongBreakResume(QStringLiteral("confirm"));
    auto completeView = complete.show(BreakOverlayMode::live(), true);
    complete.clock.advance(730);
    keep(*completeView, QStringLiteral("complete"));
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
    bool met = true;
    for (AppTheme theme : {AppTheme::light, AppTheme::dark}) {
        written &= renderGrid(folder, theme);
        written &= renderMoments(folder, theme);
        written &= renderLongestMessages(folder, theme);
        written &= renderFocus(folder, theme);
        for (BreakBG background : allBreakBGs()) {
            const QList<SampleDesktop> desktops = background == BreakBG::blur
                                                      ? allSampleDesktops()
                                                      : QList<SampleDesktop>{SampleDesktop::light};
            for (SampleDesktop desktop : desktops)
                written &= renderContrast(folder, theme, background, desktop, met);
        }
    }
    std::printf(met ? "every text meets its contrast floor\n"
                    : "some texts miss their contrast floor\n");
    return written ? 0 : 1;
}

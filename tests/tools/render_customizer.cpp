// Renders the break-screen customizer window to PNG files, light and dark: the window at its
// largest size (1180 x 800) and on a small screen (1024 x 700), every background with every
// countdown style, a long custom message, every button off, and Escape disabled with the
// full-screen button under the pointer, and the keyboard's focus on the selected message,
// background and Escape choice. Each picture also prints how long it took to build
// and paint the window and, once painted, to repaint the preview after a keystroke, and the
// small text in it (14 pixels or less) that stands out least against its 4.5:1 floor; the
// last line counts the pictures that miss it.
//
// Usage: render_customizer <output folder> [--scale <device pixel ratio>]
// Writes customizer-<shot>-<light|dark>.png.

#include "breakscreen/BreakScreenConfig.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/customizer/BreakPreviewPanel.h"
#include "settings_ui/customizer/BreakScreenCustomizeView.h"
#include "settings_ui/customizer/PreviewFullScreenButton.h"
#include "support/PngOutput.h"
#include "support/RenderTool.h"
#include "support/SettingsTextContrast.h"
#include "support/SettingsWindowRig.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <functional>

namespace {

constexpr QSize largest(1180, 800);
constexpr QSize small(1024, 700);

struct Shot
{
    QString name;
    std::function<void(BreakScreenConfig &)> configure;
    QSize size = largest;
    bool hoverFullScreen = false;
    // The control the keyboard's focus is on, by name.
    QString focus = QString();
};

QList<Shot> shots()
{
    QList<Shot> list = {
        {QStringLiteral("window"), {}},
        {QStringLiteral("window-small"), {}, small},
        {QStringLiteral("custom-long-message"),
         [](BreakScreenConfig &config) {
             config.setMessage(BreakScreenMessage::custom);
             config.setCustomMessage(QStringLiteral(
                 "Look at something twenty feet away, roll your shoulders back and breathe out "
                 "slowly before you pick up where you left off"));
         }},
        {QStringLiteral("custom-longest-message"),
         [](BreakScreenConfig &config) {
             QString words;
             while (words.size() < BreakScreenConfig::customMessageMaxCharacters)
                 words += QStringLiteral("rest your eyes on something far away and let your shoulders drop ");
             config.setMessage(BreakScreenMessage::custom);
             config.setCustomMessage(words.left(BreakScreenConfig::customMessageMaxCharacters));
         },
         small},
        {QStringLiteral("custom-stored-megabyte-word"),
         [](BreakScreenConfig &config) {
             config.setMessage(BreakScreenMessage::custom);
             config.setCustomMessage(QString(1 << 20, QLatin1Char('w')));
         },
         small},
        {QStringLiteral("buttons-off"),
         [](BreakScreenConfig &config) {
             config.setClockVisible(false);
             config.setShowSkip(false);
             config.setShowSnooze(false);
         }},
        {QStringLiteral("escape-disabled-hovered"),
         [](BreakScreenConfig &config) { config.setEscapeBehavior(EscBehavior::disabled); }, largest, true},
        {QStringLiteral("focused-message"), {}, largest, false, QStringLiteral("break.message:Catch a quick rest")},
        {QStringLiteral("focused-background"), {}, largest, false, QStringLiteral("break.background:Blur")},
        {QStringLiteral("focused-escape"), {}, largest, false, QStringLiteral("break.escape:Double Esc")},
    };
    for (const BreakBG background : allBreakBGs()) {
        for (const BreakCountdown style : allBreakCountdowns()) {
            list.append({QStringLiteral("%1-%2").arg(rawValue(background).toLower(), rawValue(style).toLower()),
                         [background, style](BreakScreenConfig &config) {
                             config.setBackground(background);
                             config.setCountdownStyle(style);
                         }});
        }
    }
    return list;
}

// Milliseconds to repaint the preview once a letter has been typed into the message.
double keystrokeRepaintMs(BreakScreenCustomizeView &view, qreal scale)
{
    QImage target(view.preview()->size() * scale, QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(scale);
    QElapsedTimer timer;
    timer.start();
    view.config().setCustomMessage(view.config().customMessage() + QLatin1Char('x'));
    view.preview()->render(&target);
    return timer.nsecsElapsed() / 1e6;
}

bool renderShot(const Shot &shot, ColorScheme scheme, qreal scale, const QDir &folder, int &missed)
{
    SettingsWindowRig rig;
    rig.theme.setAppTheme(scheme == ColorScheme::dark ? AppTheme::dark : AppTheme::light);
    auto config = std::make_unique<BreakScreenConfig>();
    if (shot.configure)
        shot.configure(*config);
    QElapsedTimer timer;
    timer.start();
    BreakScreenCustomizeView view({rig.store, rig.clock, rig.theme}, std::move(config), [] {});
    view.resize(shot.size);
    view.show();
    QImage image = renderWidget(view, scale);
    const double firstPaintMs = timer.nsecsElapsed() / 1e6;
    settleEvents();
    if (shot.hoverFullScreen)
        hoverCentre(view.preview()->fullScreenButton());
    if (!shot.focus.isEmpty()) {
        QApplication::setActiveWindow(&view);
        if (QWidget *control = view.findChild<QWidget *>(shot.focus))
            control->setFocus(Qt::TabFocusReason);
    }
    settleEvents();
    image = renderWidget(view, scale);
    // Measured as pictured, before the keystroke changes the message.
    const QList<TextContrast> texts = measureSmallTextContrast(view);
    const int blurs = view.preview()->backdropRenders();
    const double keystrokeMs = keystrokeRepaintMs(view, scale);
    const QString name = QStringLiteral("customizer-%1-%2").arg(shot.name, scheme == ColorScheme::dark ? "dark" : "light");
    std::printf("%s: built and painted in %.1f ms, keystroke repaint %.2f ms%s\n", qPrintable(name), firstPaintMs,
                keystrokeMs, view.preview()->backdropRenders() == blurs ? "" : " (background made again!)");
    missed += printWeakestSmallText(name, texts) ? 0 : 1;
    return savePng(image, folder, name);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    QApplication app(argc, argv);
    const RenderArguments arguments = readRenderArguments("render_customizer");
    if (arguments.failure)
        return arguments.failure;
    // Every picture shows where its animations end.
    Motion::setJumpToEnd(true);
    bool written = true;
    int missed = 0;
    for (const ColorScheme scheme : {ColorScheme::light, ColorScheme::dark}) {
        for (const Shot &shot : shots())
            written &= renderShot(shot, scheme, arguments.scale, arguments.folder, missed);
    }
    printSmallTextSummary(2 * int(shots().size()), missed);
    return written ? 0 : 1;
}

#include "support/OverlayContrast.h"

#include "breakscreen/BreakActionButton.h"
#include "breakscreen/BreakActionRow.h"
#include "breakscreen/BreakBackgroundPainter.h"
#include "breakscreen/BreakBackgrounds.h"
#include "breakscreen/BreakCompletePanel.h"
#include "breakscreen/BreakCountdownView.h"
#include "breakscreen/BreakOverlayText.h"
#include "breakscreen/BreakOverlayView.h"
#include "breakscreen/SnoozeButton.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kTextFloor = 4.5;
constexpr double kCountdownFloor = 3.0;
// Every other pixel in each direction: backdrops are soft, texts at least a few pixels tall.
constexpr int kStep = 2;

double linearLight(double encoded)
{
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

// Relative luminance of a colour given in sRGB values from 0 to 1.
double luminance(double red, double green, double blue)
{
    return 0.2126 * linearLight(red) + 0.7152 * linearLight(green) + 0.0722 * linearLight(blue);
}

double contrast(double first, double second)
{
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The worst ratio of `ink` over the backdrop within `box`.
double worstContrast(const QImage &backdrop, const QColor &ink, const QRect &box)
{
    const QRect area = box.intersected(backdrop.rect());
    const double alpha = ink.alphaF();
    const std::array<double, 3> colour = {ink.redF(), ink.greenF(), ink.blueF()};
    double worst = 21.0;
    for (int y = area.top(); y <= area.bottom(); y += kStep) {
        for (int x = area.left(); x <= area.right(); x += kStep) {
            const QRgb pixel = backdrop.pixel(x, y);
            const std::array<double, 3> behind = {qRed(pixel) / 255.0, qGreen(pixel) / 255.0,
                                                  qBlue(pixel) / 255.0};
            auto over = [&](int channel) {
                return colour[channel] * alpha + behind[channel] * (1.0 - alpha);
            };
            worst = std::min(worst, contrast(luminance(over(0), over(1), over(2)),
                                             luminance(behind[0], behind[1], behind[2])));
        }
    }
    return worst;
}

QColor faded(QColor colour, qreal opacity)
{
    colour.setAlphaF(float(colour.alphaF() * opacity));
    return colour;
}

QRect inView(const QWidget *widget, const QRect &rect, const BreakOverlayView &view)
{
    return QRect(widget->mapTo(&view, rect.topLeft()), rect.size());
}

bool isShown(const QWidget *widget, const BreakOverlayView &view)
{
    return widget && widget->isVisibleTo(&view);
}

} // namespace

QList<TextContrast> measureTextContrast(const BreakOverlayView &view, const QImage &desktop,
                                        BreakBG background, ColorScheme scheme)
{
    QImage backdrop = desktop.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&backdrop);
        BreakBackgrounds::forOverlay(background, scheme, desktop)->paint(painter, backdrop.rect());
    }
    QList<TextContrast> results;
    auto measure = [&](const QString &text, const QColor &ink, const QRect &box, double floor) {
        if (ink.alphaF() > 0 && !box.isEmpty())
            results.append({text, worstContrast(backdrop, ink, box), floor});
    };
    for (BreakOverlayText *text : view.findChildren<BreakOverlayText *>()) {
        if (!isShown(text, view) || text->text().isEmpty())
            continue;
        const bool isCountdown = text->parentWidget() == view.countdownView();
        measure(text->text(), faded(text->textStyle().colour, text->opacity()),
                inView(text->parentWidget(), text->textGeometry(), view),
                isCountdown ? kCountdownFloor : kTextFloor);
    }
    // The ring's and the bar's digits are drawn by the countdown itself.
    const BreakCountdownView *countdown = view.countdownView();
    if (isShown(countdown, view) && (countdown->countdownStyle() == BreakCountdown::ring
                                     || countdown->countdownStyle() == BreakCountdown::bar))
        measure(countdown->text(), faded(countdown->fillColour(), countdown->opacity()),
                inView(countdown->parentWidget(), countdown->contentGeometry(), view),
                kCountdownFloor);
    const BreakActionRow *row = view.actionRow();
    for (BreakActionButton *button : {row->skipButton(), row->endBreakButton()}) {
        if (isShown(button, view))
            measure(button->label(), faded(button->labelInk(), button->opacity()),
                    inView(button, button->capsuleRect().toRect(), view), kTextFloor);
    }
    if (SnoozeButton *snooze = row->snoozeButton(); isShown(snooze, view))
        measure(QStringLiteral("Snooze 5m"), faded(snooze->labelInk(), snooze->opacity()),
                inView(snooze, snooze->mainHalfRect().toRect(), view), kTextFloor);
    if (BreakCompletePanel *panel = view.completePanel(); isShown(panel, view)) {
        const QRect box = inView(panel, panel->rect(), view);
        measure(QStringLiteral("Break complete"), panel->titleInk(), box, kTextFloor);
        measure(QStringLiteral("Take your time. Resume when you're ready."), panel->subtitleInk(),
                box, kTextFloor);
    }
    return results;
}

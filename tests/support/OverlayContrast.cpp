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
#include "support/InkContrast.h"

#include <QPainter>

namespace {

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
            results.append({text, InkContrast::worst(backdrop, ink, box), floor});
    };
    const double textFloor = InkContrast::textFloor;
    for (BreakOverlayText *text : view.findChildren<BreakOverlayText *>()) {
        if (!isShown(text, view) || text->text().isEmpty())
            continue;
        const bool isCountdown = text->parentWidget() == view.countdownView();
        measure(text->text(), faded(text->textStyle().colour, text->opacity()),
                inView(text->parentWidget(), text->textGeometry(), view),
                InkContrast::floorFor(text->textStyle().font, isCountdown));
    }
    // The ring's and the bar's digits are drawn by the countdown itself.
    const BreakCountdownView *countdown = view.countdownView();
    if (isShown(countdown, view) && (countdown->countdownStyle() == BreakCountdown::ring
                                     || countdown->countdownStyle() == BreakCountdown::bar))
        measure(countdown->text(), faded(countdown->fillColour(), countdown->opacity()),
                inView(countdown->parentWidget(), countdown->contentGeometry(), view),
                InkContrast::floorFor(countdown->digitsFont(), true));
    const BreakActionRow *row = view.actionRow();
    for (BreakActionButton *button : {row->skipButton(), row->endBreakButton()}) {
        if (isShown(button, view))
            measure(button->label(), faded(button->labelInk(), button->opacity()),
                    inView(button, button->capsuleRect().toRect(), view), textFloor);
    }
    if (SnoozeButton *snooze = row->snoozeButton(); isShown(snooze, view))
        measure(QStringLiteral("Snooze 5m"), faded(snooze->labelInk(), snooze->opacity()),
                inView(snooze, snooze->mainHalfRect().toRect(), view), textFloor);
    if (BreakCompletePanel *panel = view.completePanel(); isShown(panel, view)) {
        const QRect box = inView(panel, panel->rect(), view);
        measure(QStringLiteral("Break complete"), panel->titleInk(), box, textFloor);
        measure(QStringLiteral("Take your time. Resume when you're ready."), panel->subtitleInk(),
                box, textFloor);
    }
    return results;
}

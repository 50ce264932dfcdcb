#include "support/OverlayContrast.h"

#include "breakscreen/BreakActionButton.h"
#include "breakscreen/BreakActionRow.h"
#include "breakscreen/BreakBackgroundPainter.h"
#include "breakscreen/BreakBackgrounds.h"
#include "breakscreen/BreakCountdownView.h"
#include "breakscreen/BreakOverlayText.h"
#include "breakscreen/BreakOverlayView.h"
#include "breakscreen/BreakSecondaryView.h"
#include "breakscreen/SnoozeButton.h"
#include "breakscreen/SnoozeMenu.h"
#include "support/PaintedTexts.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QMouseEvent>
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

// The overlay over its backdrop without the leaves, and without the texts it sets as
// pictures (the message, the clock, the hint, the timer's digits): each of those is read
// against the whole of its box. The controls draw their labels with the rest of them.
QImage drawnBehindTexts(BreakOverlayView &view, const QImage &desktop, BreakBG background,
                        ColorScheme scheme)
{
    QImage image = desktop.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    BreakBackgrounds::forOverlay(background, scheme, desktop)->paint(painter, image.rect());
    const QList<BreakOverlayText *> pictures = view.findChildren<BreakOverlayText *>();
    QList<qreal> opacities;
    for (BreakOverlayText *text : pictures) {
        opacities.append(text->opacity());
        text->setOpacity(0);
    }
    // Children come in stacking order: the action row, raised, last.
    for (QObject *child : view.children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && widget->isVisibleTo(&view))
            widget->render(&painter, widget->pos(), QRegion(), QWidget::DrawChildren);
    }
    for (qsizetype i = 0; i < pictures.size(); ++i)
        pictures[i]->setOpacity(opacities[i]);
    return image;
}

// The open snooze menu's panel, in the overlay: what lies under it cannot be read at all.
QRect menuPanel(const BreakOverlayView &view)
{
    const SnoozeMenu *menu = view.actionRow()->snoozeButton()->menu();
    if (!isShown(menu, view))
        return QRect();
    return inView(menu, menu->panelGeometry(), view);
}

bool isUnderMenu(const QRect &box, const QRect &menu)
{
    return menu.intersects(box) && !menu.contains(box);
}

void send(QWidget *widget, QEvent::Type type, const QPointF &at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

QList<TextContrast> measureTextContrast(BreakOverlayView &view, const QImage &desktop,
                                        BreakBG background, ColorScheme scheme)
{
    const QImage behind = drawnBehindTexts(view, desktop, background, scheme);
    const QRect menu = menuPanel(view);
    const BreakCountdownView *countdown = view.countdownView();
    const QRect countdownBox = inView(countdown, countdown->rect(), view);
    QList<TextContrast> results;
    for (BreakOverlayText *text : view.findChildren<BreakOverlayText *>()) {
        const QColor ink = faded(text->textStyle().colour, text->opacity());
        const QRect box = inView(text->parentWidget(), text->textGeometry(), view);
        if (!isShown(text, view) || text->text().isEmpty() || ink.alpha() == 0
            || isUnderMenu(box, menu))
            continue;
        const bool isCountdown = text->parentWidget() == countdown;
        results.append({text->text(), InkContrast::worst(behind, ink, box),
                        InkContrast::floorFor(text->textStyle().font, isCountdown)});
    }
    for (const PaintedText &text : paintedTexts(view)) {
        const QRect box = text.deviceBox().intersected(behind.rect());
        if (text.text.trimmed().isEmpty() || text.ink.alpha() == 0 || box.isEmpty()
            || isUnderMenu(box, menu))
            continue;
        // The ring's and the bar's digits are drawn by the countdown itself.
        const bool isCountdown = isShown(countdown, view) && countdownBox.contains(box.center());
        results.append({text.text,
                        InkContrast::worst(behind, text.ink, box, text.letterCover(behind.size())),
                        InkContrast::floorFor(text.font, isCountdown)});
    }
    return results;
}

void activateEveryControl(BreakOverlayView &view)
{
    BreakActionRow *row = view.actionRow();
    for (BreakActionButton *button : {row->skipButton(), row->endBreakButton()}) {
        const QPointF centre = button->capsuleRect().center();
        QEnterEvent enter(centre, centre, button->mapToGlobal(centre));
        QCoreApplication::sendEvent(button, &enter);
    }
    SnoozeButton *snooze = row->snoozeButton();
    const QPointF chevron = snooze->chevronRect().center();
    send(snooze, QEvent::MouseButtonPress, chevron, Qt::LeftButton);
    send(snooze, QEvent::MouseButtonRelease, chevron, Qt::NoButton);
    send(snooze, QEvent::MouseMove, snooze->mainHalfRect().center(), Qt::NoButton);
    SnoozeMenu *menu = snooze->menu();
    send(menu, QEvent::MouseButtonPress, menu->rowRect(0).center(), Qt::LeftButton);
}

QList<TextContrast> measureSecondaryScreenContrast(BreakSecondaryView &view,
                                                   const QImage &desktop)
{
    QImage drawn(view.size(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    view.render(&drawn);
    QImage shown = desktop.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter(&shown).drawImage(0, 0, drawn);
    QList<TextContrast> results;
    for (const PaintedText &text : paintedTexts(view)) {
        const QRect box = text.deviceBox().intersected(shown.rect());
        if (!box.isEmpty())
            results.append({text.text,
                            InkContrast::worst(shown, text.ink, box, text.letterCover(shown.size())),
                            InkContrast::floorFor(text.font, false)});
    }
    return results;
}

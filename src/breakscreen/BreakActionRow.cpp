#include "breakscreen/BreakActionRow.h"

#include "breakscreen/BreakActionButton.h"
#include "breakscreen/BreakControlCapsule.h"
#include "breakscreen/BreakFocusRing.h"
#include "breakscreen/BreakOverlayTexts.h"
#include "breakscreen/OverlayTransition.h"
#include "breakscreen/SnoozeButton.h"
#include "breakscreen/SnoozeMenu.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int endBreakMs = 300;
constexpr qreal endBreakGrowFrom = 0.95;
// The controls keep this much room below their capsule, for the hover's growth.
constexpr int controlRoom = 2;

} // namespace

BreakActionRow::BreakActionRow(const QColor &foreground, QWidget *parent)
    : QWidget(parent)
    , m_skip(new BreakActionButton(BreakGlyph::forwardFill, BreakOverlayTexts::skipBreak,
                                   foreground, this))
    , m_snooze(new SnoozeButton(foreground, snoozeOptions(), this))
    , m_endBreak(new BreakActionButton(BreakGlyph::checkmarkCircleFill,
                                       BreakOverlayTexts::endBreak, foreground, this))
    , m_endBreakShown(new OverlayTransition(endBreakMs, QEasingCurve::InOutQuad, false, this))
    , m_focusRing(BreakFocusRing::colour(true))
{
    m_endBreak->hide();
    // The snooze menu rises over its neighbours and takes their clicks where it covers them.
    m_snooze->raise();
    for (auto *button : {m_skip, m_endBreak})
        connect(button, &BreakActionButton::lookChanged, this, [this, button] {
            update(shadowRect(button));
        });
    connect(m_snooze, &SnoozeButton::lookChanged, this, [this] { update(shadowRect(m_snooze)); });
    connect(m_endBreakShown, &OverlayTransition::valueChanged, this, [this](qreal value) {
        if (value <= 0 && !m_endBreakShown->isShown())
            m_endBreak->hide();
        layoutControls();
    });
}

void BreakActionRow::setColours(const QColor &foreground, const QColor &material)
{
    m_skip->setForeground(foreground);
    m_endBreak->setForeground(foreground);
    m_snooze->setColours(foreground, material);
}

void BreakActionRow::setFocusRingColour(const QColor &colour)
{
    m_focusRing = colour;
    m_snooze->menu()->setFocusRingColour(colour);
    update();
}

void BreakActionRow::setSkipVisible(bool visible)
{
    m_skip->setVisible(visible);
    layoutControls();
}

void BreakActionRow::setSnoozeVisible(bool visible)
{
    m_snooze->setVisible(visible);
    layoutControls();
}

void BreakActionRow::setEndBreakVisible(bool visible)
{
    if (visible)
        m_endBreak->show();
    m_endBreakShown->setShown(visible);
    if (!visible && m_endBreakShown->value() <= 0)
        m_endBreak->hide();
    layoutControls();
}

void BreakActionRow::setOpacity(qreal opacity)
{
    if (opacity == m_opacity)
        return;
    m_opacity = opacity;
    applyOpacity();
}

void BreakActionRow::applyOpacity()
{
    const qreal endBreak = m_endBreakShown->value();
    m_skip->setOpacity(m_opacity);
    m_snooze->setOpacity(m_opacity);
    m_endBreak->setOpacity(m_opacity * endBreak);
    m_endBreak->setScale(BreakControlCapsule::mix(endBreakGrowFrom, 1.0, endBreak));
    update();
}

int BreakActionRow::controlsHeight() const
{
    return std::max({m_skip->capsuleSize().height(), m_snooze->capsuleSize().height(),
                     m_endBreak->capsuleSize().height()});
}

QList<BreakActionRow::Slot> BreakActionRow::presentSlots() const
{
    QList<Slot> present;
    if (!m_skip->isHidden())
        present.append({m_skip, m_skip->capsuleSize(), 1.0});
    if (!m_snooze->isHidden())
        present.append({m_snooze, m_snooze->capsuleSize(), 1.0});
    if (!m_endBreak->isHidden())
        present.append({m_endBreak, m_endBreak->capsuleSize(), m_endBreakShown->value()});
    return present;
}

void BreakActionRow::setControlsGeometry(const QRect &band)
{
    m_band = band;
    const int below = BreakControlCapsule::shadowReach();
    const int above = std::max(below, m_snooze->roomAbove() + 1);
    setGeometry(band.adjusted(-below, -above, below, below));
    layoutControls();
}

// The pills are centred as a group; one coming in takes its share of the width (and of the
// spacing before it) as it grows, so its neighbours move aside smoothly.
void BreakActionRow::layoutControls()
{
    const QList<Slot> present = presentSlots();
    qreal total = 0;
    for (int i = 0; i < present.size(); ++i)
        total += present[i].presence * (present[i].capsule.width() + (i > 0 ? spacing : 0));
    const QPoint bandInRow = m_band.topLeft() - pos();
    qreal x = bandInRow.x() + (m_band.width() - total) / 2;
    for (int i = 0; i < present.size(); ++i) {
        const Slot &slot = present[i];
        if (i > 0)
            x += spacing * slot.presence;
        const qreal centreX = x + slot.presence * slot.capsule.width() / 2;
        const qreal capsuleTop = bandInRow.y() + (controlsHeight() - slot.capsule.height()) / 2.0;
        const QSize whole = slot.widget->sizeHint();
        // Each control's capsule sits at the bottom centre of its widget.
        slot.widget->setGeometry(int(std::lround(centreX - whole.width() / 2.0)),
                                 int(std::lround(capsuleTop + slot.capsule.height()))
                                     + controlRoom - whole.height(),
                                 whole.width(), whole.height());
        x += slot.presence * slot.capsule.width();
    }
    applyOpacity();
}

QRectF BreakActionRow::capsuleInRow(QWidget *control) const
{
    const QRectF local = control == m_snooze
        ? m_snooze->capsuleRect()
        : static_cast<BreakActionButton *>(control)->capsuleRect();
    return local.translated(control->pos());
}

qreal BreakActionRow::shadowOpacityOf(QWidget *control) const
{
    return control == m_snooze ? m_snooze->shadowOpacity()
                               : static_cast<BreakActionButton *>(control)->shadowOpacity();
}

QRect BreakActionRow::shadowRect(QWidget *control) const
{
    const int reach = BreakControlCapsule::shadowReach();
    return capsuleInRow(control).toAlignedRect().adjusted(-reach, -reach, reach, reach);
}

const QImage &BreakActionRow::shadowFor(const QSize &capsule)
{
    const qreal ratio = devicePixelRatioF();
    const quint64 key = (quint64(capsule.width()) << 40) | (quint64(capsule.height()) << 20)
                      | quint64(std::lround(ratio * 100));
    auto found = m_shadows.find(key);
    if (found == m_shadows.end())
        found = m_shadows.insert(key, BreakControlCapsule::shadow(capsule, ratio));
    return *found;
}

void BreakActionRow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const int reach = BreakControlCapsule::shadowReach();
    for (const Slot &slot : presentSlots()) {
        const QRect area = shadowRect(slot.widget);
        if (!event->region().intersects(area))
            continue;
        painter.setOpacity(shadowOpacityOf(slot.widget));
        const QPointF corner = capsuleInRow(slot.widget).topLeft() - QPointF(reach, reach);
        painter.drawImage(corner, shadowFor(slot.capsule));
        paintFocusRing(painter, slot.widget);
    }
}

// Beneath the pill, which fills its capsule only faintly: the ring shows through it where
// it runs between the two halves of the snooze pill.
void BreakActionRow::paintFocusRing(QPainter &painter, QWidget *control) const
{
    std::optional<BreakFocusRing::Outline> outline;
    qreal opacity = 1.0;
    if (control == m_snooze) {
        outline = m_snooze->focusOutline();
        opacity = m_snooze->opacity();
    } else {
        const auto *button = static_cast<BreakActionButton *>(control);
        outline = button->focusOutline();
        opacity = button->opacity();
    }
    if (!outline)
        return;
    outline->rect.translate(control->pos());
    painter.setOpacity(opacity);
    BreakFocusRing::paint(painter, *outline, m_focusRing);
}

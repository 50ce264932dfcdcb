#include "breakscreen/SnoozeMenu.h"

#include "breakscreen/BreakControlCapsule.h"
#include "breakscreen/BreakControlKeys.h"
#include "breakscreen/BreakFocusRing.h"
#include "breakscreen/BreakOverlayFont.h"
#include "breakscreen/PartedWidgetAccessible.h"
#include "breakscreen/SoftShadow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr qreal paddingX = 8;
constexpr qreal paddingY = 6;
constexpr qreal rowSpacing = 2;
constexpr qreal rowPaddingY = 6;
constexpr qreal cornerRadius = 10;
constexpr qreal rowCornerRadius = 5;
constexpr qreal shadowRadius = 16;
constexpr qreal shadowOffsetY = -6;
constexpr qreal shadowOpacity = 0.22;
constexpr qreal closedScale = 0.92;

QFont rowFont()
{
    return BreakOverlayFont::font(11, QFont::DemiBold);
}

QPainterPath rounded(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

} // namespace

SnoozeMenu::SnoozeMenu(const QList<SnoozeOption> &options, QWidget *parent)
    : QWidget(parent)
    , m_options(options)
    , m_focusRing(BreakFocusRing::colour(true))
{
    PartedWidgetAccessible::install<SnoozeMenu, QAccessible::PopupMenu>();
    // Only its snooze control hands it the keyboard, once it is open.
    setFocusPolicy(Qt::NoFocus);
}

void SnoozeMenu::setCurrentRow(int index)
{
    index = m_options.isEmpty() ? -1 : std::clamp(index, -1, int(m_options.size()) - 1);
    if (index == m_currentRow)
        return;
    m_currentRow = index;
    update();
    if (hasFocus() && index >= 0)
        PartedWidgetAccessible::announceFocus(this, index);
}

void SnoozeMenu::setFocusRingColour(const QColor &colour)
{
    m_focusRing = colour;
    update();
}

void SnoozeMenu::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        // The ends hold: the keyboard never leaves the rows.
        const int step = event->key() == Qt::Key_Up ? -1 : 1;
        setCurrentRow(std::max(m_currentRow < 0 ? 0 : m_currentRow + step, 0));
    } else if (BreakControlKeys::isPress(event) && m_currentRow >= 0) {
        emit optionChosen(m_options[m_currentRow].value);
    } else if (event->key() == Qt::Key_Escape) {
        emit closeRequested();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void SnoozeMenu::focusInEvent(QFocusEvent *)
{
    update();
    PartedWidgetAccessible::announceFocusSoon(this, [this] { return m_currentRow; });
}

void SnoozeMenu::focusOutEvent(QFocusEvent *)
{
    update();
}

// Tab leaves the open menu the way Escape does, back to the chevron that opened it: what
// lies behind a menu is not to be reached through it.
bool SnoozeMenu::focusNextPrevChild(bool)
{
    emit closeRequested();
    return true;
}

void SnoozeMenu::setColours(const QColor &foreground, const QColor &material)
{
    m_foreground = foreground;
    m_material = material;
    update();
}

void SnoozeMenu::setAppearance(qreal appearance)
{
    if (appearance == m_appearance)
        return;
    m_appearance = appearance;
    update();
}

qreal SnoozeMenu::rowHeight() const
{
    return std::ceil(QFontMetricsF(rowFont()).height()) + 2 * rowPaddingY;
}

QSize SnoozeMenu::panelSize() const
{
    const qsizetype rows = m_options.size();
    const qreal height =
        2 * paddingY + rows * rowHeight() + std::max<qsizetype>(rows - 1, 0) * rowSpacing;
    return QSize(int(panelWidth), int(std::ceil(height)));
}

QMargins SnoozeMenu::shadowMargins() const
{
    const int reach = SoftShadow::reach(shadowRadius);
    const int lift = int(std::ceil(-shadowOffsetY));
    return QMargins(reach, reach + lift, reach, std::max(1, reach - lift));
}

void SnoozeMenu::setPanelGeometry(const QRect &panelRect)
{
    const QRect whole = panelRect.marginsAdded(shadowMargins());
    if (whole.size() != size())
        m_shadow = QImage();
    setGeometry(whole);
}

QRect SnoozeMenu::panelGeometry() const
{
    return QRect(QPoint(shadowMargins().left(), shadowMargins().top()), panelSize());
}

QRect SnoozeMenu::rowRect(int index) const
{
    const QRect panel = panelGeometry();
    const qreal top = panel.top() + paddingY + index * (rowHeight() + rowSpacing);
    return QRectF(panel.left() + paddingX, top, panel.width() - 2 * paddingX, rowHeight())
        .toAlignedRect();
}

QList<AccessiblePart::Description> SnoozeMenu::accessibleParts()
{
    QList<AccessiblePart::Description> parts;
    for (int index = 0; index < m_options.size(); ++index) {
        parts.append({m_options[index].label, QAccessible::MenuItem, [this, index] { return rowRect(index); },
                      [this, index] { emit optionChosen(m_options[index].value); }, {},
                      [this, index] { return hasFocus() && m_currentRow == index; }});
    }
    return parts;
}

int SnoozeMenu::rowAt(const QPoint &pos) const
{
    for (int i = 0; i < m_options.size(); ++i) {
        if (rowRect(i).contains(pos))
            return i;
    }
    return -1;
}

void SnoozeMenu::mousePressEvent(QMouseEvent *event)
{
    m_pressedRow = event->button() == Qt::LeftButton ? rowAt(event->position().toPoint()) : -1;
    update();
}

void SnoozeMenu::mouseReleaseEvent(QMouseEvent *event)
{
    const int pressed = std::exchange(m_pressedRow, -1);
    update();
    if (event->button() == Qt::LeftButton && pressed >= 0
        && rowAt(event->position().toPoint()) == pressed)
        emit optionChosen(m_options[pressed].value);
}

void SnoozeMenu::paintEvent(QPaintEvent *)
{
    if (m_appearance <= 0)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(m_appearance);
    const QRectF panel = panelGeometry();
    const qreal scale = BreakControlCapsule::mix(closedScale, 1.0, m_appearance);
    const QPointF anchor(panel.center().x(), panel.bottom());
    painter.translate(anchor);
    painter.scale(scale, scale);
    painter.translate(-anchor);
    paintPanel(painter, panel);
}

void SnoozeMenu::paintPanel(QPainter &painter, const QRectF &panel)
{
    const qreal ratio = devicePixelRatioF();
    if (m_shadow.isNull() || m_shadow.devicePixelRatio() != ratio) {
        QImage shape(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        shape.setDevicePixelRatio(ratio);
        shape.fill(Qt::transparent);
        QPainter shapePainter(&shape);
        shapePainter.setRenderHint(QPainter::Antialiasing);
        shapePainter.fillPath(rounded(panel.translated(0, shadowOffsetY), cornerRadius), Qt::black);
        shapePainter.end();
        m_shadow = SoftShadow::fromShape(shape, shadowRadius * ratio, shadowOpacity);
    }
    painter.drawImage(QPointF(0, 0), m_shadow);
    painter.fillPath(rounded(panel, cornerRadius), m_material);
    painter.setPen(QPen(BreakControlCapsule::withOpacity(m_foreground, 0.14), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(rounded(panel.adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius - 0.5));

    painter.setFont(rowFont());
    for (int i = 0; i < m_options.size(); ++i) {
        const QRectF row = rowRect(i);
        if (i == m_pressedRow)
            painter.fillPath(rounded(row, rowCornerRadius), QColor::fromRgbF(1, 1, 1, 0.10f));
        if (i == m_currentRow && hasFocus())
            BreakFocusRing::paint(painter, {row, rowCornerRadius, rowCornerRadius}, m_focusRing);
        painter.setPen(BreakControlCapsule::withOpacity(m_foreground, 0.82));
        painter.drawText(row, Qt::AlignCenter, m_options[i].label);
    }
}

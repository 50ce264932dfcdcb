#include "breakscreen/SnoozeButton.h"

#include "breakscreen/BreakControlCapsule.h"
#include "breakscreen/BreakControlKeys.h"
#include "breakscreen/BreakGlyphs.h"
#include "breakscreen/BreakOverlayFont.h"
#include "breakscreen/BreakOverlayTexts.h"
#include "breakscreen/OverlayTransition.h"
#include "breakscreen/PartedWidgetAccessible.h"
#include "breakscreen/SnoozeMenu.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal iconSize = 10;
constexpr qreal iconSpacing = 5;
constexpr qreal mainLeading = 14;
constexpr qreal mainTrailing = 8;
constexpr qreal paddingY = 10;
constexpr qreal separatorHeight = 16;
constexpr qreal chevronSize = 8;
constexpr qreal chevronPaddingX = 10;
constexpr qreal hoverScale = 1.02;
constexpr qreal activeShadow = 0.22;
// The open menu's bottom edge sits this far above the pill's bottom edge.
constexpr int menuLift = 44;
constexpr int scaleRoom = 2;
constexpr int hoverMs = 120;
constexpr int menuMs = 250;
constexpr int menuRowCloseMs = 150;
// The chevron shows no text; screen readers name it so.
const QString optionsName = QStringLiteral("Snooze options");

QFont labelFont()
{
    return BreakOverlayFont::font(12, QFont::DemiBold);
}

} // namespace

SnoozeButton::SnoozeButton(const QColor &foreground, const QList<SnoozeOption> &options,
                           QWidget *parent)
    : QWidget(parent)
    , m_foreground(foreground)
    , m_menu(new SnoozeMenu(options, this))
    , m_hover(new OverlayTransition(hoverMs, QEasingCurve::OutQuad, false, this))
    , m_menuOpen(new OverlayTransition(menuMs, QEasingCurve::OutCubic, false, this))
{
    PartedWidgetAccessible::install<SnoozeButton, QAccessible::Grouping>();
    // A click ends the break anyway; only the keyboard needs to stop on the halves.
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    measure();
    m_menu->hide();
    connect(m_menu, &SnoozeMenu::optionChosen, this, [this](int value) {
        setShowOptions(false, true);
        emit snoozeChosen(value);
    });
    connect(m_menu, &SnoozeMenu::closeRequested, this, &SnoozeButton::closeOptions);
    connect(m_hover, &OverlayTransition::valueChanged, this, [this] {
        update();
        emit lookChanged();
    });
    connect(m_menuOpen, &OverlayTransition::valueChanged, this, [this](qreal value) {
        m_menu->setAppearance(value);
        if (value <= 0 && !m_menuOpen->isShown()) {
            m_menu->hide();
            updateMask();
        }
        update();
        emit lookChanged();
    });
    resize(sizeHint());
}

void SnoozeButton::setColours(const QColor &foreground, const QColor &material)
{
    m_foreground = foreground;
    m_menu->setColours(foreground, material);
    update();
}

void SnoozeButton::setOpacity(qreal opacity)
{
    if (opacity == m_opacity)
        return;
    m_opacity = opacity;
    update();
    emit lookChanged();
}

bool SnoozeButton::isHovering() const
{
    return m_hover->isShown();
}

bool SnoozeButton::showOptions() const
{
    return m_menuOpen->isShown();
}

qreal SnoozeButton::mainHalfWidth() const
{
    return m_mainHalfWidth;
}

QSize SnoozeButton::capsuleSize() const
{
    return m_capsuleSize;
}

// Measured once: the label and its type never change, and the row asks on every repaint.
void SnoozeButton::measure()
{
    const QFontMetricsF metrics(labelFont());
    const qreal label = metrics.horizontalAdvance(BreakOverlayTexts::snoozeDefault);
    m_mainHalfWidth = mainLeading + iconSize + iconSpacing + label + mainTrailing;
    const qreal chevron = chevronPaddingX * 2 + chevronSize;
    const qreal height = std::max(iconSize, metrics.height()) + 2 * paddingY;
    m_capsuleSize = QSize(int(std::ceil(m_mainHalfWidth + 1 + chevron)), int(std::ceil(height)));
}

int SnoozeButton::roomAbove() const
{
    const int menuTop = menuLift + m_menu->panelSize().height() + m_menu->shadowMargins().top();
    return std::max(scaleRoom, menuTop - capsuleSize().height());
}

QList<AccessiblePart::Description> SnoozeButton::accessibleParts()
{
    return {
        {BreakOverlayTexts::snoozeDefault, QAccessible::Button, [this] { return mainHalfRect().toAlignedRect(); },
         [this] { emit snoozeClicked(); }, {},
         [this] { return hasFocus() && m_focusedPart == Part::mainHalf; }},
        {optionsName, QAccessible::ButtonMenu, [this] { return chevronRect().toAlignedRect(); },
         [this] { setShowOptions(!m_menuOpen->isShown(), false); }, [this] { return m_menuOpen->isShown(); },
         [this] { return hasFocus() && m_focusedPart == Part::chevron; }},
    };
}

std::optional<BreakFocusRing::Outline> SnoozeButton::focusOutline() const
{
    if (!hasFocus())
        return std::nullopt;
    const qreal radius = capsuleRect().height() / 2;
    if (m_focusedPart == Part::chevron)
        return BreakFocusRing::Outline{chevronRect(), 0, radius};
    return BreakFocusRing::Outline{mainHalfRect(), radius, 0};
}

QSize SnoozeButton::sizeHint() const
{
    const QMargins shadow = m_menu->shadowMargins();
    const int menuWidth = m_menu->panelSize().width() + shadow.left() + shadow.right();
    const int width = std::max(capsuleSize().width() + 2 * scaleRoom, menuWidth);
    return QSize(width, roomAbove() + capsuleSize().height() + scaleRoom);
}

QRectF SnoozeButton::capsuleRect() const
{
    const QSizeF capsule = capsuleSize();
    return QRectF(QPointF((width() - capsule.width()) / 2, height() - scaleRoom - capsule.height()),
                  capsule);
}

QRectF SnoozeButton::mainHalfRect() const
{
    QRectF main = capsuleRect();
    main.setWidth(mainHalfWidth());
    return main;
}

QRectF SnoozeButton::chevronRect() const
{
    QRectF chevron = capsuleRect();
    chevron.setLeft(mainHalfRect().right() + 1);
    return chevron;
}

qreal SnoozeButton::shadowOpacity() const
{
    const qreal active = std::max(m_hover->value(), m_menuOpen->value());
    return BreakControlCapsule::shadowOpacity(active, activeShadow) * m_opacity;
}

void SnoozeButton::resizeEvent(QResizeEvent *)
{
    placeMenu();
}

void SnoozeButton::placeMenu()
{
    const QRectF capsule = capsuleRect();
    const QSize panel = m_menu->panelSize();
    const QPoint topLeft(int(std::lround(capsule.center().x() - panel.width() / 2.0)),
                         int(std::lround(capsule.bottom())) - menuLift - panel.height());
    m_menu->setPanelGeometry(QRect(topLeft, panel));
    updateMask();
}

// Clicks and hover outside the pill and the open menu belong to what lies beneath.
void SnoozeButton::updateMask()
{
    QRegion region(capsuleRect().toAlignedRect().adjusted(-scaleRoom, -scaleRoom, scaleRoom,
                                                          scaleRoom));
    if (!m_menu->isHidden())
        region += m_menu->geometry();
    setMask(region);
}

void SnoozeButton::closeOptions()
{
    setShowOptions(false, false);
}

void SnoozeButton::setShowOptions(bool show, bool fromMenuRow)
{
    if (show == m_menuOpen->isShown())
        return;
    // The keyboard goes back to where it came from before the menu may hide.
    if (!show && m_menu->hasFocus()) {
        m_focusedPart = Part::chevron;
        setFocus(Qt::OtherFocusReason);
    }
    if (show) {
        m_menu->show();
        m_menu->raise();
        updateMask();
    }
    if (fromMenuRow)
        m_menuOpen->setShown(show, menuRowCloseMs, QEasingCurve::OutQuad);
    else
        m_menuOpen->setShown(show);
    if (!show && m_menuOpen->value() <= 0) {
        m_menu->hide();
        updateMask();
    }
    emit showOptionsChanged(show);
}

void SnoozeButton::openOptionsFromKeyboard()
{
    setShowOptions(true, false);
    m_menu->setCurrentRow(0);
    m_menu->setFocus(Qt::OtherFocusReason);
}

void SnoozeButton::setFocusedPart(Part part)
{
    if (part == m_focusedPart)
        return;
    m_focusedPart = part;
    emit lookChanged();
    if (hasFocus())
        PartedWidgetAccessible::announceFocus(this, part == Part::chevron ? 1 : 0);
}

// Tab arrives on the first half, Shift+Tab on the last; anything else (the window coming
// back, the menu closing) finds the half the keyboard was on.
void SnoozeButton::focusInEvent(QFocusEvent *event)
{
    if (event->reason() == Qt::TabFocusReason)
        m_focusedPart = Part::mainHalf;
    else if (event->reason() == Qt::BacktabFocusReason)
        m_focusedPart = Part::chevron;
    emit lookChanged();
    PartedWidgetAccessible::announceFocusSoon(
        this, [this] { return m_focusedPart == Part::chevron ? 1 : 0; });
}

void SnoozeButton::focusOutEvent(QFocusEvent *)
{
    emit lookChanged();
}

bool SnoozeButton::focusNextPrevChild(bool next)
{
    if (hasFocus() && next && m_focusedPart == Part::mainHalf) {
        setFocusedPart(Part::chevron);
        return true;
    }
    if (hasFocus() && !next && m_focusedPart == Part::chevron) {
        setFocusedPart(Part::mainHalf);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void SnoozeButton::keyPressEvent(QKeyEvent *event)
{
    const bool press = BreakControlKeys::isPress(event);
    if (m_focusedPart == Part::mainHalf && press) {
        emit snoozeClicked();
    } else if (m_focusedPart == Part::chevron && press && m_menuOpen->isShown()) {
        closeOptions();
    } else if (m_focusedPart == Part::chevron
               && (press || (event->key() == Qt::Key_Down && BreakControlKeys::isPlain(event)))) {
        openOptionsFromKeyboard();
    } else {
        QWidget::keyPressEvent(event);
    }
}

SnoozeButton::Part SnoozeButton::partAt(const QPointF &pos) const
{
    if (mainHalfRect().contains(pos))
        return Part::mainHalf;
    if (chevronRect().contains(pos))
        return Part::chevron;
    return Part::none;
}

void SnoozeButton::mouseMoveEvent(QMouseEvent *event)
{
    m_hover->setShown(capsuleRect().contains(event->position()));
}

void SnoozeButton::leaveEvent(QEvent *)
{
    m_hover->setShown(false);
}

void SnoozeButton::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton ? partAt(event->position()) : Part::none;
    if (m_pressed == Part::none)
        event->ignore();
}

void SnoozeButton::mouseReleaseEvent(QMouseEvent *event)
{
    const Part pressed = std::exchange(m_pressed, Part::none);
    if (pressed == Part::none || partAt(event->position()) != pressed) {
        event->ignore();
        return;
    }
    if (pressed == Part::mainHalf)
        emit snoozeClicked();
    else
        setShowOptions(!m_menuOpen->isShown(), false);
}

void SnoozeButton::paintEvent(QPaintEvent *)
{
    const qreal hover = m_hover->value();
    const qreal active = std::max(hover, m_menuOpen->value());
    const QRectF capsule = capsuleRect();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(m_opacity);
    // The open menu alone does not lift the pill.
    const qreal scale = BreakControlCapsule::mix(1.0, hoverScale, hover);
    painter.translate(capsule.center());
    painter.scale(scale, scale);
    painter.translate(-capsule.center());
    BreakControlCapsule::paint(painter, capsule, m_foreground, active);
    paintContent(painter, capsule, hover);
}

QColor SnoozeButton::labelInk() const
{
    return labelInk(m_hover->value());
}

QColor SnoozeButton::labelInk(qreal hover) const
{
    return BreakControlCapsule::withOpacity(m_foreground, BreakControlCapsule::mix(0.78, 0.94, hover));
}

void SnoozeButton::paintContent(QPainter &painter, const QRectF &capsule, qreal hover) const
{
    const QRectF main = mainHalfRect();
    const QColor mainInk = labelInk(hover);
    const qreal centreY = capsule.center().y();
    const qreal iconLeft = main.left() + mainLeading;
    BreakGlyphs::paint(painter, BreakGlyph::moonFill, QPointF(iconLeft + iconSize / 2, centreY),
                       iconSize, QFont::DemiBold, mainInk);
    painter.setFont(labelFont());
    painter.setPen(mainInk);
    const QRectF labelBox(iconLeft + iconSize + iconSpacing, capsule.top(),
                          main.right() - mainTrailing - (iconLeft + iconSize + iconSpacing) + 1,
                          capsule.height());
    painter.drawText(labelBox, Qt::AlignLeft | Qt::AlignVCenter, BreakOverlayTexts::snoozeDefault);

    painter.fillRect(QRectF(main.right(), centreY - separatorHeight / 2, 1, separatorHeight),
                     BreakControlCapsule::withOpacity(m_foreground, 0.14));

    const QColor chevronInk =
        BreakControlCapsule::withOpacity(m_foreground, BreakControlCapsule::mix(0.58, 0.82, hover));
    // Half a turn as the menu opens: the chevron then points down, at the menu's way out.
    BreakGlyphs::paint(painter, BreakGlyph::chevronUp, chevronRect().center(), chevronSize,
                       QFont::Bold, chevronInk, 180 * m_menuOpen->value());
}

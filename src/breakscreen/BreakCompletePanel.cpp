#include "breakscreen/BreakCompletePanel.h"

#include "breakscreen/BreakFocusRing.h"
#include "breakscreen/BreakGlyphs.h"
#include "breakscreen/BreakOverlayFont.h"
#include "breakscreen/BreakOverlayTexts.h"
#include "breakscreen/BreakResumeButton.h"
#include "breakscreen/PartedWidgetAccessible.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal tickSize = 36;
constexpr qreal spacing = 16;
constexpr qreal buttonGap = 8;

QFont titleFont()
{
    return BreakOverlayFont::font(25, QFont::DemiBold, -0.4);
}

QFont subtitleFont()
{
    return BreakOverlayFont::font(13, QFont::Medium);
}

qreal lineHeight(const QFont &font)
{
    return std::ceil(QFontMetricsF(font).height());
}

} // namespace

BreakCompletePanel::BreakCompletePanel(const BreakOverlayPalette &palette, QWidget *parent)
    : QWidget(parent)
    , m_palette(palette)
    , m_resume(new BreakResumeButton(palette.resumeFill(), this))
    , m_focusRing(BreakFocusRing::colour(true))
{
    PartedWidgetAccessible::install<BreakCompletePanel, QAccessible::Grouping>();
    // Named as its title: a screen reader says the name of a panel the keyboard enters
    // before the control that takes it, so Resume is heard as part of "Break complete".
    setAccessibleName(BreakOverlayTexts::breakComplete);
    connect(m_resume, &BreakResumeButton::clicked, this, &BreakCompletePanel::resumeClicked);
    connect(m_resume, &BreakResumeButton::focusChanged, this, [this] { update(); });
    resize(sizeHint());
}

void BreakCompletePanel::setPalette(const BreakOverlayPalette &palette)
{
    m_palette = palette;
    m_resume->setFill(palette.resumeFill());
    update();
}

void BreakCompletePanel::setOpacity(qreal opacity)
{
    if (opacity == m_opacity)
        return;
    m_opacity = opacity;
    m_resume->setOpacity(opacity);
    update();
}

void BreakCompletePanel::setFocusRingColour(const QColor &colour)
{
    if (colour == m_focusRing)
        return;
    m_focusRing = colour;
    update();
}

BreakCompletePanel::Rows BreakCompletePanel::rowHeights() const
{
    return {tickSize, lineHeight(titleFont()), lineHeight(subtitleFont()),
            buttonGap + m_resume->sizeHint().height()};
}

QSize BreakCompletePanel::sizeHint() const
{
    const Rows rows = rowHeights();
    const qreal width = std::max(
        {QFontMetricsF(titleFont()).horizontalAdvance(BreakOverlayTexts::breakComplete),
         QFontMetricsF(subtitleFont()).horizontalAdvance(BreakOverlayTexts::breakCompleteSubtitle),
         qreal(m_resume->sizeHint().width() + 2 * BreakFocusRing::reach())});
    // Room below Resume for its focus ring.
    const qreal height = rows.tick + rows.title + rows.subtitle + rows.button + 3 * spacing
                       + BreakFocusRing::reach();
    return QSize(int(std::ceil(width)) + 2, int(std::ceil(height)));
}

QRect BreakCompletePanel::titleRect() const
{
    const Rows rows = rowHeights();
    return QRectF(0, rows.tick + spacing, width(), rows.title).toAlignedRect();
}

QRect BreakCompletePanel::subtitleRect() const
{
    const Rows rows = rowHeights();
    return QRectF(0, rows.tick + rows.title + 2 * spacing, width(), rows.subtitle).toAlignedRect();
}

QList<AccessiblePart::Description> BreakCompletePanel::accessibleParts()
{
    return {
        {QString(BreakOverlayTexts::breakComplete), QAccessible::StaticText,
         [this] { return titleRect(); }, {}, {}, {}},
        {QString(BreakOverlayTexts::breakCompleteSubtitle), QAccessible::StaticText,
         [this] { return subtitleRect(); }, {}, {}, {}},
    };
}

// Whoever waits on the panel may have no pointer at hand: Resume has the keyboard from the
// moment the panel is there.
void BreakCompletePanel::showEvent(QShowEvent *)
{
    m_resume->setFocus(Qt::OtherFocusReason);
}

void BreakCompletePanel::resizeEvent(QResizeEvent *)
{
    const Rows rows = rowHeights();
    const QSize button = m_resume->sizeHint();
    const qreal top = rows.tick + rows.title + rows.subtitle + 3 * spacing + buttonGap;
    m_resume->setGeometry((width() - button.width()) / 2, int(std::lround(top)), button.width(),
                          button.height());
}

QColor BreakCompletePanel::subtitleInk() const
{
    // The line's own 0.95 goes into the grey's opacity, as for the clock line.
    return m_palette.secondaryText(0.92 * 0.95, 0.58 * 0.95);
}

void BreakCompletePanel::paintEvent(QPaintEvent *)
{
    const Rows rows = rowHeights();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(m_opacity);
    if (m_resume->hasFocus())
        BreakFocusRing::paint(painter,
                              BreakFocusRing::Outline::capsule(QRectF(m_resume->geometry())),
                              m_focusRing);
    BreakGlyphs::paint(painter, BreakGlyph::checkmarkCircleFill,
                       QPointF(width() / 2.0, tickSize / 2), tickSize, QFont::Normal,
                       m_palette.green());
    qreal y = rows.tick + spacing;
    painter.setFont(titleFont());
    painter.setPen(titleInk());
    painter.drawText(QRectF(0, y, width(), rows.title), Qt::AlignCenter,
                     BreakOverlayTexts::breakComplete);
    y += rows.title + spacing;
    painter.setFont(subtitleFont());
    painter.setPen(subtitleInk());
    painter.drawText(QRectF(0, y, width(), rows.subtitle), Qt::AlignCenter,
                     BreakOverlayTexts::breakCompleteSubtitle);
}

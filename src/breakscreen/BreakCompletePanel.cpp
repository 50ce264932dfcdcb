#include "breakscreen/BreakCompletePanel.h"

#include "breakscreen/BreakGlyphs.h"
#include "breakscreen/BreakOverlayFont.h"
#include "breakscreen/BreakOverlayTexts.h"
#include "breakscreen/BreakResumeButton.h"

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
{
    connect(m_resume, &BreakResumeButton::clicked, this, &BreakCompletePanel::resumeClicked);
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
         qreal(m_resume->sizeHint().width())});
    const qreal height = rows.tick + rows.title + rows.subtitle + rows.button + 3 * spacing;
    return QSize(int(std::ceil(width)) + 2, int(std::ceil(height)));
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

#include "breakscreen/BreakOverlayText.h"

#include "breakscreen/SoftShadow.h"
#include "breakscreen/StaticTextAccessible.h"

#include <QPainter>
#include <QTextLine>

#include <algorithm>
#include <cmath>

namespace {

// Thin strokes and the tips of some letters reach a little past their line's box.
constexpr int inkOverhang = 2;
// Wide enough for any single line: a text without a wrapping width never wraps.
constexpr qreal unlimitedWidth = 1.0e6;

} // namespace

BreakOverlayText::BreakOverlayText(QWidget *parent)
    : QWidget(parent)
{
    StaticTextAccessible::install<BreakOverlayText>();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    layoutLines();
}

void BreakOverlayText::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    updateAccessibleName();
    layoutLines();
}

void BreakOverlayText::setReadByScreenReaders(bool read)
{
    m_readByScreenReaders = read;
    updateAccessibleName();
}

void BreakOverlayText::setSpokenText(const QString &spoken)
{
    m_spoken = spoken;
    updateAccessibleName();
}

void BreakOverlayText::updateAccessibleName()
{
    // Qt tells screen readers of a name set again even when it is the same.
    const QString name = !m_readByScreenReaders ? QString() : m_spoken.isEmpty() ? m_text : m_spoken;
    if (name != accessibleName())
        setAccessibleName(name);
}

void BreakOverlayText::setTextStyle(const BreakTextStyle &style)
{
    if (style == m_style)
        return;
    m_style = style;
    layoutLines();
}

void BreakOverlayText::setOpacity(qreal opacity)
{
    if (opacity == m_opacity)
        return;
    m_opacity = opacity;
    update();
}

void BreakOverlayText::setTextGeometry(const QRect &textRect)
{
    setGeometry(textRect.marginsAdded(m_margins));
}

// Lines are broken at the wrapping width, then each is centred on the widest.
std::unique_ptr<QTextLayout> BreakOverlayText::layOut(const QString &text, const BreakTextStyle &style,
                                                      QSize *size)
{
    // A typed line break starts a new line; QTextLayout would draw it as a box otherwise.
    QString shown = text;
    shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
    auto layout = std::make_unique<QTextLayout>(shown, style.font);
    QTextOption option(Qt::AlignLeft);
    // A word wider than the line breaks where it must: a message of one long word would
    // otherwise run off the screen and be drawn whole into a picture many screens wide.
    option.setWrapMode(style.maxWidth > 0 ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                          : QTextOption::NoWrap);
    layout->setTextOption(option);
    layout->beginLayout();
    qreal width = 0;
    qreal y = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(style.maxWidth > 0 ? style.maxWidth : unlimitedWidth);
        line.setPosition(QPointF(0, y));
        y += line.height() + style.lineSpacing;
        width = std::max(width, line.naturalTextWidth());
    }
    layout->endLayout();
    const int lines = layout->lineCount();
    for (int i = 0; i < lines; ++i) {
        QTextLine line = layout->lineAt(i);
        line.setPosition(QPointF((width - line.naturalTextWidth()) / 2, line.position().y()));
    }
    const qreal height = lines > 0 ? y - style.lineSpacing : 0;
    *size = QSize(int(std::ceil(width)), int(std::ceil(height)));
    return layout;
}

QSize BreakOverlayText::sizeOf(const QString &text, const BreakTextStyle &style)
{
    QSize size;
    layOut(text, style, &size);
    return size;
}

void BreakOverlayText::layoutLines()
{
    m_layout = layOut(m_text, m_style, &m_textSize);
    const QRect textRect = textGeometry();
    m_margins = marginsFor(m_style);
    setTextGeometry(QRect(textRect.topLeft(), m_textSize));
    m_picture = QPixmap();
    update();
}

QMargins BreakOverlayText::marginsFor(const BreakTextStyle &style) const
{
    if (!style.hasShadow())
        return QMargins(inkOverhang, inkOverhang, inkOverhang, inkOverhang);
    const int reach = SoftShadow::reach(style.shadowRadius) + inkOverhang;
    const int offset = int(std::ceil(std::abs(style.shadowOffsetY)));
    const int above = style.shadowOffsetY >= 0 ? std::max(inkOverhang, reach - offset) : reach + offset;
    const int below = style.shadowOffsetY >= 0 ? reach + offset : std::max(inkOverhang, reach - offset);
    return QMargins(reach, above, reach, below);
}

void BreakOverlayText::paintEvent(QPaintEvent *)
{
    if (m_text.isEmpty() || m_opacity <= 0)
        return;
    if (m_picture.isNull() || m_picture.devicePixelRatio() != devicePixelRatioF())
        m_picture = renderPicture();
    QPainter painter(this);
    painter.setOpacity(m_opacity);
    painter.drawPixmap(0, 0, m_picture);
}

QPixmap BreakOverlayText::renderPicture() const
{
    const qreal ratio = devicePixelRatioF();
    const QPointF origin(m_margins.left(), m_margins.top());
    auto blank = [&] {
        QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        return image;
    };
    QImage picture = blank();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (m_style.hasShadow()) {
        QImage shape = blank();
        QPainter shapePainter(&shape);
        shapePainter.setPen(Qt::black);
        m_layout->draw(&shapePainter, origin + QPointF(0, m_style.shadowOffsetY));
        shapePainter.end();
        painter.drawImage(QPointF(0, 0), SoftShadow::fromShape(shape, m_style.shadowRadius * ratio,
                                                               m_style.shadowOpacity));
    }
    painter.setPen(m_style.colour);
    m_layout->draw(&painter, origin);
    painter.end();
    return QPixmap::fromImage(std::move(picture));
}

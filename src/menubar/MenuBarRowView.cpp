#include "menubar/MenuBarRowView.h"

#include "menubar/StatusGlyphs.h"

#include <QPainter>

namespace {

constexpr int titlePixelSize = 13;
constexpr int subtitlePixelSize = 11;
constexpr qreal secondaryOpacity = 0.62;

QFont sizedFont(const QFont &base, int pixelSize, QFont::Weight weight)
{
    QFont font = base;
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

} // namespace

QColor MenuBarRowView::accentGreen()
{
    return QColor::fromRgbF(0.396f, 0.714f, 0.169f, 1.0f);
}

MenuBarRowView::MenuBarRowView(const Metrics &metrics, QWidget *parent)
    : QWidget(parent)
    , m_metrics(metrics)
{
    setFixedSize(metrics.size);
}

void MenuBarRowView::setContent(const QString &symbolName, const QString &title,
                                const QString &subtitle)
{
    if (symbolName == m_symbolName && title == m_title && subtitle == m_subtitle)
        return;
    m_symbolName = symbolName;
    m_title = title;
    m_subtitle = subtitle;
    // The row is read as one element, as sighted users read it.
    setAccessibleName(subtitle.isEmpty() ? title : title + QStringLiteral(", ") + subtitle);
    update();
}

void MenuBarRowView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int top = m_metrics.verticalPadding;
    // A symbol set at p points fills about p pixels, centred in its frame.
    const qreal symbol = m_metrics.symbolPointSize * 1.15;
    const qreal offset = (symbolFrame - symbol) / 2;
    StatusGlyphs::paint(painter, m_symbolName,
                        QRectF(horizontalPadding + offset, top + offset, symbol, symbol),
                        accentGreen());

    const int left = horizontalPadding + symbolFrame + spacing;
    const int textWidth = width() - left - horizontalPadding;
    QColor text = palette().color(foregroundRole());
    const QFont titleFont = sizedFont(font(), titlePixelSize, QFont::DemiBold);
    const QFontMetrics titleMetrics(titleFont);
    painter.setPen(text);
    painter.setFont(titleFont);
    painter.drawText(QRect(left, top, textWidth, titleMetrics.height()), Qt::AlignLeft,
                     titleMetrics.elidedText(m_title, Qt::ElideRight, textWidth));

    text.setAlphaF(secondaryOpacity);
    painter.setPen(text);
    painter.setFont(sizedFont(font(), subtitlePixelSize, QFont::Normal));
    const int subtitleTop = top + titleMetrics.height() + lineSpacing;
    painter.drawText(QRect(left, subtitleTop, textWidth, height() - subtitleTop),
                     Qt::AlignLeft | Qt::TextWordWrap, m_subtitle);
}

#include "settings_ui/components/SettingsFont.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

QFont SettingsFont::font(qreal pixelSize, QFont::Weight weight, qreal trackingPixels)
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    font.setWeight(weight);
    font.setLetterSpacing(QFont::AbsoluteSpacing, trackingPixels);
    return font;
}

qreal SettingsFont::digitCellWidth(const QFont &font)
{
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (char digit = '0'; digit <= '9'; ++digit)
        widest = std::max(widest, metrics.horizontalAdvance(QChar(digit)));
    return widest;
}

qreal SettingsFont::tabularWidth(const QFont &font, const QString &text)
{
    const QFontMetricsF metrics(font);
    const qreal cell = digitCellWidth(font);
    qreal width = 0;
    for (const QChar character : text)
        width += character.isDigit() ? cell : metrics.horizontalAdvance(character);
    return width;
}

void SettingsFont::drawTabular(QPainter &painter, const QRectF &rect, Qt::Alignment alignment,
                               const QFont &font, const QString &text)
{
    const QFontMetricsF metrics(font);
    const qreal cell = digitCellWidth(font);
    const qreal width = tabularWidth(font, text);
    qreal x = rect.left();
    if (alignment & Qt::AlignRight)
        x = rect.right() - width;
    else if (alignment & Qt::AlignHCenter)
        x = rect.center().x() - width / 2;
    qreal baseline = rect.top() + metrics.ascent();
    if (alignment & Qt::AlignBottom)
        baseline = rect.bottom() - metrics.descent();
    else if (alignment & Qt::AlignVCenter)
        baseline = rect.center().y() + (metrics.ascent() - metrics.descent()) / 2;

    painter.save();
    painter.setFont(font);
    for (const QChar character : text) {
        const qreal advance = metrics.horizontalAdvance(character);
        if (character.isDigit()) {
            painter.drawText(QPointF(x + (cell - advance) / 2, baseline), QString(character));
            x += cell;
        } else {
            painter.drawText(QPointF(x, baseline), QString(character));
            x += advance;
        }
    }
    painter.restore();
}

#include "support/SettingsTextContrast.h"

#include "support/PaintedTexts.h"

#include <QPainter>
#include <QWidget>

namespace {

// Antialiased letters reach a pixel past their outline.
constexpr int letterFringe = 1;

QImage windowPixels(QWidget &root)
{
    QImage image(root.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(root.palette().color(QPalette::Window));
    root.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
}

// The pixels the text's letters touch, widened by their fringe.
QImage letterCover(const PaintedText &text, const QSize &size, const QRect &box)
{
    QImage letters(size, QImage::Format_ARGB32_Premultiplied);
    letters.fill(Qt::transparent);
    {
        QPainter painter(&letters);
        painter.setTransform(text.transform);
        painter.setFont(text.font);
        painter.setPen(Qt::black);
        painter.drawText(text.baseline, text.text);
    }
    QImage cover(size, QImage::Format_ARGB32_Premultiplied);
    cover.fill(Qt::transparent);
    const QRect area = box.adjusted(-letterFringe, -letterFringe, letterFringe, letterFringe)
                           .intersected(letters.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qAlpha(letters.pixel(x, y)) == 0)
                continue;
            for (int dy = -letterFringe; dy <= letterFringe; ++dy)
                for (int dx = -letterFringe; dx <= letterFringe; ++dx)
                    if (cover.rect().contains(x + dx, y + dy))
                        cover.setPixel(x + dx, y + dy, qRgba(0, 0, 0, 255));
        }
    }
    return cover;
}

} // namespace

QList<TextContrast> measureSmallTextContrast(QWidget &root)
{
    const QImage pixels = windowPixels(root);
    QList<TextContrast> results;
    for (const PaintedText &text : paintedTexts(root)) {
        if (text.pixelSize() > InkContrast::smallTextMaxPixels || text.ink.alpha() == 0
            || text.text.trimmed().isEmpty())
            continue;
        const QRect box = text.transform.mapRect(text.box).toAlignedRect().intersected(pixels.rect());
        if (box.isEmpty())
            continue;
        const double ratio =
            InkContrast::worst(pixels, text.ink, box, letterCover(text, pixels.size(), box));
        results.append({text.text, ratio, InkContrast::floorFor(text.font, false)});
    }
    return results;
}

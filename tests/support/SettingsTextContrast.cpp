#include "support/SettingsTextContrast.h"

#include "support/PaintedTexts.h"

#include <QPainter>
#include <QRegion>
#include <QTextLayout>
#include <QWidget>

#include <cmath>

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

// The run drawn again as it was laid out: a label that lays its text out as a document (a
// selectable one) places the letters by the font's design metrics, a plain one by their
// hinted advances; the layout whose width is the run's is the one it had.
void drawRun(QPainter &painter, const PaintedText &text)
{
    for (bool designMetrics : {false, true}) {
        QTextLayout layout(text.text, text.font);
        QTextOption option;
        option.setUseDesignMetrics(designMetrics);
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        if (designMetrics || std::abs(line.naturalTextWidth() - text.box.width()) < 1) {
            layout.draw(&painter, text.baseline - QPointF(0, line.ascent()));
            return;
        }
    }
}

// The pixels the text's letters touch, widened by their fringe.
QImage letterCover(const PaintedText &text, const QSize &size, const QRect &box)
{
    QImage letters(size, QImage::Format_ARGB32_Premultiplied);
    letters.fill(Qt::transparent);
    {
        QPainter painter(&letters);
        painter.setTransform(text.transform);
        painter.setPen(Qt::black);
        drawRun(painter, text);
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

// Where `root` shows controls that are switched off: the text of an inactive control need
// not stand out (it says what could be chosen, not what is), so it is not measured.
QRegion inactiveArea(QWidget &root)
{
    QRegion area;
    for (QWidget *child : root.findChildren<QWidget *>()) {
        if (child->isVisibleTo(&root) && !child->isEnabled())
            area += QRect(child->mapTo(&root, QPoint()), child->size());
    }
    return area;
}

} // namespace

std::optional<TextContrast> weakestText(const QList<TextContrast> &texts)
{
    std::optional<TextContrast> weakest;
    for (const TextContrast &text : texts) {
        if (!weakest || text.ratio / text.floor < weakest->ratio / weakest->floor)
            weakest = text;
    }
    return weakest;
}

QList<TextContrast> measureSmallTextContrast(QWidget &root)
{
    const QImage pixels = windowPixels(root);
    const QRegion inactive = inactiveArea(root);
    QList<TextContrast> results;
    for (const PaintedText &text : paintedTexts(root)) {
        if (text.pixelSize() > InkContrast::smallTextMaxPixels || text.ink.alpha() == 0
            || text.text.trimmed().isEmpty())
            continue;
        const QRect box = text.transform.mapRect(text.box).toAlignedRect().intersected(pixels.rect());
        if (box.isEmpty() || inactive.contains(box.center()))
            continue;
        const double ratio =
            InkContrast::worst(pixels, text.ink, box, letterCover(text, pixels.size(), box));
        results.append({text.text, ratio, InkContrast::floorFor(text.font, false)});
    }
    return results;
}

#include "support/SettingsTextContrast.h"

#include "support/PaintedTexts.h"

#include <QPainter>
#include <QRegion>
#include <QWidget>

namespace {

QImage windowPixels(QWidget &root)
{
    QImage image(root.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(root.palette().color(QPalette::Window));
    root.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
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
            InkContrast::worst(pixels, text.ink, box, text.letterCover(pixels.size()));
        results.append({text.text, ratio, InkContrast::floorFor(text.font, false)});
    }
    return results;
}

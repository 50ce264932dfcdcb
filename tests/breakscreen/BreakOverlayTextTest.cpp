#include "breakscreen/BreakOverlayFont.h"
#include "breakscreen/BreakOverlayText.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

BreakTextStyle messageStyle(qreal maxWidth = 0)
{
    BreakTextStyle style;
    style.font = BreakOverlayFont::font(52, QFont::Normal, 1.6);
    style.colour = Qt::white;
    style.lineSpacing = 4;
    style.maxWidth = maxWidth;
    style.shadowOpacity = 0.5;
    style.shadowRadius = 24;
    style.shadowOffsetY = 10;
    return style;
}

QImage picture(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

int strongestAlpha(const QImage &image, const QRect &area)
{
    int strongest = 0;
    const QRect box = area & image.rect();
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            strongest = std::max(strongest, qAlpha(image.pixel(x, y)));
    return strongest;
}

} // namespace

TEST(BreakOverlayTextTest, ATypedLineBreakStartsANewLineAndALongMessageWrapsWithinItsWidth)
{
    BreakOverlayText text;
    text.setTextStyle(messageStyle());
    text.setText("Rest");
    const QSize oneLine = text.textSize();

    text.setText("Rest\nnow");
    EXPECT_GE(text.textSize().height(), 2 * oneLine.height());
    EXPECT_LT(text.textSize().width(), 2 * oneLine.width()) << "not one long line";

    text.setTextStyle(messageStyle(300));
    text.setText("Look at something far away for a little while");
    EXPECT_LE(text.textSize().width(), 300);
    EXPECT_GE(text.textSize().height(), 3 * oneLine.height());

    // One word longer than the line breaks within it rather than running off the screen.
    text.setText(QString(280, QLatin1Char('m')));
    EXPECT_LE(text.textSize().width(), 300);
    EXPECT_GE(text.textSize().height(), 10 * oneLine.height());
}

TEST(BreakOverlayTextTest, TheShadowFallsBelowTheTextAndIsNeverCutOff)
{
    BreakOverlayText text;
    text.setTextStyle(messageStyle());
    text.setText("Breathe");
    text.setTextGeometry(QRect(QPoint(100, 100), text.textSize()));
    const QRect lines = text.textGeometry().translated(-text.pos());
    const QImage image = picture(text);

    EXPECT_GT(strongestAlpha(image, QRect(lines.left(), lines.bottom() + 4, lines.width(), 8)), 10)
        << "shadow below the lines";
    const QRect whole = image.rect();
    for (const QRect &edge : {QRect(0, 0, whole.width(), 1), QRect(0, whole.bottom(), whole.width(), 1),
                              QRect(0, 0, 1, whole.height()), QRect(whole.right(), 0, 1, whole.height())})
        EXPECT_LE(strongestAlpha(image, edge), 1) << "ink at the widget's edge";
}

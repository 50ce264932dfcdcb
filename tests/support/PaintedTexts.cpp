#include "support/PaintedTexts.h"

#include <QFontInfo>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTextLayout>
#include <QWidget>

#include <cmath>

namespace {

// Antialiased letters reach a pixel past their outline.
constexpr int letterFringe = 1;

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

// A paint engine that records text and ignores the rest. It claims every feature, so the
// painter hands it texts with its state untouched instead of turning them into paths.
class TextRecordingEngine : public QPaintEngine
{
public:
    TextRecordingEngine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {
    }

    QList<PaintedText> texts;

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override {}
    void drawTiledPixmap(const QRectF &, const QPixmap &, const QPointF &) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint *, int, PolygonDrawMode) override {}
    void drawRects(const QRectF *, int) override {}
    void drawRects(const QRect *, int) override {}
    void drawLines(const QLineF *, int) override {}
    void drawLines(const QLine *, int) override {}
    void drawEllipse(const QRectF &) override {}
    void drawEllipse(const QRect &) override {}
    void drawPoints(const QPointF *, int) override {}
    void drawPoints(const QPoint *, int) override {}
    Type type() const override { return QPaintEngine::User; }

    void drawTextItem(const QPointF &baseline, const QTextItem &item) override
    {
        QPainter *painter = this->painter();
        QColor ink = painter->pen().color();
        ink.setAlphaF(float(ink.alphaF() * painter->opacity()));
        const QRectF box(baseline.x(), baseline.y() - item.ascent(), item.width(),
                         item.ascent() + item.descent());
        // The engine's state places the run on the device, with the offset of the child
        // widget being drawn, which the painter's own transforms leave out.
        texts.append({item.text(), item.font(), ink, baseline, state->transform(), box});
    }
};

class TextRecordingDevice : public QPaintDevice
{
public:
    explicit TextRecordingDevice(const QSize &size)
        : m_size(size)
    {
    }

    TextRecordingEngine engine;

    QPaintEngine *paintEngine() const override { return const_cast<TextRecordingEngine *>(&engine); }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmWidthMM:
            return m_size.width() * 254 / 960;
        case PdmHeightMM:
            return m_size.height() * 254 / 960;
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    QSize m_size;
};

} // namespace

int PaintedText::pixelSize() const
{
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

QRect PaintedText::deviceBox() const
{
    return transform.mapRect(box).toAlignedRect();
}

QImage PaintedText::letterCover(const QSize &size) const
{
    QImage letters(size, QImage::Format_ARGB32_Premultiplied);
    letters.fill(Qt::transparent);
    {
        QPainter painter(&letters);
        painter.setTransform(transform);
        painter.setPen(Qt::black);
        drawRun(painter, *this);
    }
    QImage cover(size, QImage::Format_ARGB32_Premultiplied);
    cover.fill(Qt::transparent);
    const QRect area = deviceBox()
                           .adjusted(-letterFringe, -letterFringe, letterFringe, letterFringe)
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

QList<PaintedText> paintedTexts(QWidget &root)
{
    TextRecordingDevice device(root.size());
    {
        QPainter painter(&device);
        root.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    return device.engine.texts;
}

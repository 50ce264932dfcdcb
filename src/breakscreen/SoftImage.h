#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSize>

#include <vector>

// A small picture in floating point for the break screen's soft backdrops: gradients, glows
// and the blurred screen. These hold no detail worth full resolution, so they are composed
// and blurred at a fraction of the screen's size, then enlarged once into an 8-bit image with
// a little noise that keeps slow dark gradients from showing bands. Channels are
// premultiplied by alpha and kept in the colours' own sRGB values, as painters blend.
class SoftImage
{
public:
    struct Pixel
    {
        float red = 0;
        float green = 0;
        float blue = 0;
        float alpha = 0;
    };

    SoftImage() = default;
    SoftImage(int width, int height, const QColor &fill = Qt::transparent);
    static SoftImage fromImage(const QImage &image);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isNull() const { return m_pixels.empty(); }
    Pixel pixel(int x, int y) const { return m_pixels[index(x, y)]; }

    // A linear gradient whose end points are given as fractions of the width and height,
    // so that from (0, 0) to (1, 1) runs corner to corner however wide the picture is.
    void fillLinearGradient(QPointF startFraction, QPointF endFraction, const QColor &from,
                            const QColor &to);
    // An opaque disc of `colour` laid over the picture, centre and radius in its pixels.
    void drawDisc(QPointF centre, qreal radius, const QColor &colour);
    // A Gaussian blur of standard deviation `sigma` pixels; edges repeat outward, so a
    // blurred screen does not darken towards its border.
    void blur(qreal sigma);
    // Pushes colours away from (factor above 1) or towards their grey.
    void scaleSaturation(float factor);
    // Lightens each pixel whose relative luminance lies below `minimum`, and darkens each one
    // above `maximum`, just enough to bring it inside, mixing in white or black in linear
    // light so that its hue stays.
    void boundLuminance(float minimum, float maximum);
    // Lays `top` (same size) or a uniform colour over this picture.
    void compositeOver(const SoftImage &top);
    void compositeOver(const QColor &colour);
    // True when every pixel is black or fully transparent.
    bool isBlack() const;

    // The picture enlarged smoothly to `size` pixels, as premultiplied 8-bit ARGB. Helper
    // threads share the rows; where none can be started, the calling thread does them all.
    QImage toImage(QSize size) const;

private:
    // Where an output column (or row) samples the small picture: the two neighbours and
    // the weight of the second, matching the pixel centres of both sizes.
    struct Tap
    {
        int first;
        int second;
        float weight;
    };
    struct Enlargement
    {
        uchar *bits;
        qsizetype bytesPerLine;
        const std::vector<Tap> &columns;
        const std::vector<Tap> &rows;
    };
    static constexpr int maxBands = 8;
    static std::vector<Tap> taps(int sourceLength, int targetLength);
    void enlargeRows(const Enlargement &job, int firstRow, int endRow) const;

    qsizetype index(int x, int y) const { return qsizetype(y) * m_width + x; }
    void boxBlurRows(int radius);
    void transpose();

    int m_width = 0;
    int m_height = 0;
    std::vector<Pixel> m_pixels;
};

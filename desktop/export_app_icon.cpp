// Draws the application icon into the files a desktop's icon theme reads: one scalable SVG
// and PNGs at fixed sizes. The build runs it, so the files always match the icon the windows
// show and no drawn binary is kept in the repository.
//
// Usage: export_app_icon <icon.svg> [<side> <icon.png>]...
// Exits non-zero, naming the file, when any file cannot be written; files already in place
// stay whole, so a failed run never leaves a half-written icon for the install to copy.

#include "core/AppIcon.h"
#include "core/InfoDictionary.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cstdio>

namespace {

// The SVG's own size; themes scale it to whatever they need.
constexpr int svgSide = 128;
// At the CSS pixel density, so the SVG's intrinsic size is svgSide pixels.
constexpr int svgDotsPerInch = 96;
constexpr int largestSide = 4096;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    std::fprintf(stderr, "export_app_icon: cannot write %s: %s\n", qPrintable(path),
                 qPrintable(file.errorString()));
    return false;
}

QByteArray svgBytes()
{
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(svgSide, svgSide));
    generator.setViewBox(QRect(0, 0, svgSide, svgSide));
    generator.setResolution(svgDotsPerInch);
    generator.setTitle(resolveAppDisplayName());
    QPainter painter(&generator);
    // The same drawing as every PNG and every window icon, margin included.
    AppIcon::icon().paint(&painter, QRect(0, 0, svgSide, svgSide));
    painter.end();
    return buffer.data();
}

QByteArray pngBytes(int side)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    AppIcon::desktopImage(side).save(&buffer, "PNG");
    return buffer.data();
}

bool exportPngs(const QStringList &pairs)
{
    if (pairs.size() % 2 != 0) {
        std::fprintf(stderr, "export_app_icon: a PNG size without a file\n");
        return false;
    }
    for (qsizetype i = 0; i < pairs.size(); i += 2) {
        bool isNumber = false;
        const int side = pairs[i].toInt(&isNumber);
        if (!isNumber || side < 1 || side > largestSide) {
            std::fprintf(stderr, "export_app_icon: not a size in pixels: %s\n", qPrintable(pairs[i]));
            return false;
        }
        if (!writeFile(pairs[i + 1], pngBytes(side)))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    // Drawing needs no screen; the build may run where there is none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "usage: export_app_icon <icon.svg> [<side> <icon.png>]...\n");
        return 2;
    }
    if (!writeFile(arguments.first(), svgBytes()) || !exportPngs(arguments.mid(1)))
        return 1;
    return 0;
}

// Renders the tray icon in each state it can take, at every tray size, on a light and a dark
// panel, to one PNG sheet: the sizes side by side at their own pixels, and the same row again
// magnified so single pixels can be judged.
//
// Usage: render_tray_icons <output folder> [magnification]
// Writes tray-icons.png.

#include "menubar/StatusIconRenderer.h"

#include <QApplication>
#include <QDir>
#include <QPainter>

#include <cstdio>

namespace {

constexpr int padding = 8;
const QList<int> traySizes = {16, 22, 24, 32};
const QColor panels[] = {QColor(0xef, 0xf0, 0xf1), QColor(0x23, 0x26, 0x29)};

// Every state's picture, countdowns at their widest.
const QList<StatusIconPicture> samples = {
    {QStringLiteral("camera.macro"), QStringLiteral("20m"), false},
    {QStringLiteral("camera.macro"), QStringLiteral("120m"), false},
    {QStringLiteral("camera.macro"), QStringLiteral("19:59"), false},
    {QStringLiteral("camera.macro"), QStringLiteral("62:05"), false},
    {QStringLiteral("camera.macro"), QStringLiteral("<1m"), false},
    {QStringLiteral("pause.circle"), QStringLiteral("15m"), false},
    {QStringLiteral("camera.macro"), QString(), false},
    {QStringLiteral("pause.circle"), QString(), false},
    {QStringLiteral("moon.zzz"), QString(), true},
    {QStringLiteral("clock.badge.xmark"), QString(), false},
    {QStringLiteral("video"), QString(), false},
    {QStringLiteral("hourglass"), QString(), false},
    {QStringLiteral("exclamationmark.circle"), QString(), false},
    {QStringLiteral("figure.walk"), QString(), false},
};

int rowWidth(int magnification)
{
    int width = padding;
    for (int side : traySizes)
        width += side * (1 + magnification) + 2 * padding;
    return width;
}

QImage renderSheet(int magnification)
{
    const int rowHeight = 32 * magnification + 2 * padding;
    const int panelHeight = int(samples.size()) * rowHeight;
    QImage sheet(rowWidth(magnification), 2 * panelHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&sheet);
    for (int panel = 0; panel < 2; ++panel) {
        painter.fillRect(0, panel * panelHeight, sheet.width(), panelHeight, panels[panel]);
        for (qsizetype row = 0; row < samples.size(); ++row) {
            int x = padding;
            const int top = panel * panelHeight + int(row) * rowHeight + padding;
            for (int side : traySizes) {
                const QImage icon = StatusIconRenderer::render(samples[row], side);
                painter.drawImage(x, top, icon);
                x += side + padding;
                painter.drawImage(QRect(x, top, side * magnification, side * magnification), icon);
                x += side * magnification + padding;
            }
        }
    }
    return sheet;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: render_tray_icons <output folder> [magnification]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int magnification = argc > 2 ? std::max(1, std::atoi(argv[2])) : 4;
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const QString path = QDir(folder).filePath(QStringLiteral("tray-icons.png"));
    if (!renderSheet(magnification).save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("%s\n", qPrintable(path));
    return 0;
}

// Renders the floating notice in every size and style, light and dark, to PNG files: one
// sheet per size and palette, each style on a backdrop like a desktop's, shadow included.
//
// Usage: render_hud <output folder>
// Writes hud-<size>-<light|dark>.png for the sizes compact, standard and large.

#include "menubar/HUDContentView.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>

namespace {

constexpr int kPadding = 16;

struct Sample
{
    HUDStyle style;
    const char *title;
    const char *subtitle;
    int secondsLeft;
};

// What each style typically says, with a break countdown two thirds of the way down.
const Sample kSamples[] = {
    {HUDStyle::posture, "Sit up straight", "Roll your shoulders back", 0},
    {HUDStyle::typing, "Relax your wrists", "You have been typing for a while", 0},
    {HUDStyle::blink, "Blink", "Look at something far away", 0},
    {HUDStyle::hydration, "Drink some water", "A glass now keeps you sharp", 0},
    {HUDStyle::walk, "Take a short walk", "Stretch your legs for a minute", 0},
    {HUDStyle::meeting, "In a call", "Breaks wait until it ends", 0},
    {HUDStyle::media, "Watching something", "Breaks wait until it stops", 0},
    {HUDStyle::away, "Welcome back", "The timer has started again", 0},
    {HUDStyle::breakReminder, "Break in 20s", "Finish your thought", 20},
    {HUDStyle::breakReminder, "Lunch at 12:30", "Planned break starting soon", 0},
};

const std::pair<HUDSize, const char *> kSizes[] = {
    {HUDSize::compact, "compact"}, {HUDSize::standard, "standard"}, {HUDSize::large, "large"}};

void paintBackdrop(QPainter &painter, const QRect &area, bool isDark)
{
    QLinearGradient backdrop(area.topLeft(), area.bottomRight());
    backdrop.setColorAt(0, isDark ? QColor(42, 48, 62) : QColor(196, 212, 230));
    backdrop.setColorAt(1, isDark ? QColor(24, 26, 34) : QColor(232, 226, 214));
    painter.fillRect(area, backdrop);
}

QImage renderSheet(HUDSize size, bool isDark)
{
    const HUDLayoutMetrics metrics = HUDLayoutMetrics::forSize(size);
    const QSize window = metrics.windowSize().toSize();
    const int rows = int(std::size(kSamples));
    QImage sheet(window.width() + 2 * kPadding, rows * window.height() + 2 * kPadding,
                 QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&sheet);
    paintBackdrop(painter, sheet.rect(), isDark);
    for (int row = 0; row < rows; ++row) {
        const Sample &sample = kSamples[row];
        HUDContentView view({sample.style, QString::fromUtf8(sample.title),
                             QString::fromUtf8(sample.subtitle), sample.secondsLeft, size,
                             isDark, true, 30});
        view.render(&painter, QPoint(kPadding, kPadding + row * window.height()), QRegion(),
                    QWidget::DrawChildren);
    }
    return sheet;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_hud <output folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path()))
        return 1;
    for (const auto &[size, sizeName] : kSizes) {
        for (const bool isDark : {false, true}) {
            const QString name = QStringLiteral("hud-%1-%2.png")
                                     .arg(QLatin1String(sizeName),
                                          isDark ? QStringLiteral("dark") : QStringLiteral("light"));
            if (!renderSheet(size, isDark).save(folder.filePath(name))) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(name)));
                return 1;
            }
        }
    }
    return 0;
}

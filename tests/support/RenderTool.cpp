#include "support/RenderTool.h"

#include "support/SettingsTextContrast.h"

#include <QApplication>
#include <QEnterEvent>
#include <QWidget>

#include <cstdio>

RenderArguments readRenderArguments(const char *tool)
{
    const QStringList arguments = QApplication::arguments();
    const bool scaled = arguments.size() == 4 && arguments[2] == QLatin1String("--scale");
    RenderArguments result;
    if (arguments.size() != 2 && !scaled) {
        std::fprintf(stderr, "usage: %s <output folder> [--scale <ratio>]\n", tool);
        result.failure = 2;
        return result;
    }
    result.scale = scaled ? arguments[3].toDouble() : 1.0;
    result.folder = QDir(arguments[1]);
    if (!result.folder.mkpath(QStringLiteral(".")) || result.scale <= 0)
        result.failure = 1;
    return result;
}

QImage renderWidget(QWidget &widget, qreal scale)
{
    QImage image(widget.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

void settleEvents()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

void hoverCentre(QWidget *widget)
{
    const QPointF inside(widget->width() / 2.0, widget->height() / 2.0);
    QEnterEvent enter(inside, inside, widget->mapToGlobal(inside));
    QApplication::sendEvent(widget, &enter);
}

bool printWeakestSmallText(const QString &shot, const QList<TextContrast> &texts)
{
    const std::optional<TextContrast> weakest = weakestText(texts);
    if (!weakest) {
        std::printf("%-44s no small text\n", qPrintable(shot));
        return true;
    }
    std::printf("%-44s weakest small text %-32s %5.2f:1 (floor %.1f:1)%s\n", qPrintable(shot),
                qPrintable(QLatin1Char('"') + weakest->text.left(28) + QLatin1Char('"')), weakest->ratio,
                weakest->floor, weakest->meetsFloor() ? "" : "  MISSED");
    std::fflush(stdout);
    return weakest->meetsFloor();
}

void printSmallTextSummary(int shots, int missed)
{
    if (missed == 0)
        std::printf("Small texts: every one of %d shots meets its floor\n", shots);
    else
        std::printf("Small texts: %d of %d shots MISS their floor\n", missed, shots);
}

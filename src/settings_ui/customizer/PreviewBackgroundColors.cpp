#include "settings_ui/customizer/PreviewBackgroundColors.h"

#include "settings_ui/components/NamedColors.h"

#include <QLinearGradient>

const QColor PreviewBackgroundColors::natureStart = QColor::fromRgbF(0.18f, 0.25f, 0.10f);
const QColor PreviewBackgroundColors::natureEnd = QColor::fromRgbF(0.10f, 0.14f, 0.05f);
const QColor PreviewBackgroundColors::darkFill = QColor::fromRgbF(0.04f, 0.04f, 0.06f);
const QColor PreviewBackgroundColors::gradientStart = QColor::fromRgbF(0.08f, 0.05f, 0.16f);
const QColor PreviewBackgroundColors::gradientEnd = QColor::fromRgbF(0.03f, 0.03f, 0.08f);

namespace {

QBrush diagonal(const QRectF &rect, const QColor &from, const QColor &to)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomRight());
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

} // namespace

QBrush PreviewBackgroundColors::swatch(BreakBG background, const QRectF &rect, ColorScheme scheme)
{
    switch (background) {
    case BreakBG::blur:
        return NamedColors::withOpacity(NamedColors::color(NamedColor::gray, scheme), 0.3);
    case BreakBG::nature:
        return diagonal(rect, natureStart, natureEnd);
    case BreakBG::dark:
        return darkFill;
    case BreakBG::gradient:
        return diagonal(rect, gradientStart, gradientEnd);
    }
    return darkFill;
}

#include "settings_ui/panes/app/KeyCapLabel.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsPalette.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal textSize = 11;
constexpr qreal plateOpacity = 0.04;
constexpr qreal borderOpacity = 0.08;

QFont monospaced()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(int(textSize));
    font.setWeight(QFont::Medium);
    return font;
}

} // namespace

KeyCapLabel::KeyCapLabel(const QString &keys, QWidget *parent)
    : SchemeLabel(keys, monospaced(), NamedColors::color(NamedColor::secondaryLabel, ColorScheme::light),
                  NamedColors::color(NamedColor::secondaryLabel, ColorScheme::dark), parent)
{
    setContentsMargins(8, 4, 8, 4);
    setAlignment(Qt::AlignCenter);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void KeyCapLabel::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor label = NamedColors::color(NamedColor::label, SettingsPalette::schemeOf(this));
        // Stroked inside the edge: the half-pixel inset keeps the line whole.
        const QRectF plate = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        QPainterPath shape;
        shape.addRoundedRect(plate, cornerRadius, cornerRadius);
        painter.fillPath(shape, NamedColors::withOpacity(label, plateOpacity));
        painter.setPen(QPen(NamedColors::withOpacity(label, borderOpacity), 1));
        painter.drawPath(shape);
    }
    SchemeLabel::paintEvent(event);
}

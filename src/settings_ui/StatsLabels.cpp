#include "settings_ui/StatsLabels.h"

#include "settings_ui/SchemeLabel.h"
#include "settings_ui/SettingsFont.h"

QLabel *StatsLabels::primary(const QString &text, qreal pixelSize, QFont::Weight weight)
{
    auto *label = new QLabel(text);
    label->setFont(SettingsFont::font(pixelSize, weight));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel *StatsLabels::tinted(const QString &text, qreal pixelSize, QFont::Weight weight,
                            NamedColor colour)
{
    return new SchemeLabel(text, SettingsFont::font(pixelSize, weight),
                           NamedColors::color(colour, ColorScheme::light),
                           NamedColors::color(colour, ColorScheme::dark));
}

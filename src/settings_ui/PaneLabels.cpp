#include "settings_ui/PaneLabels.h"

#include "settings_ui/SchemeLabel.h"
#include "settings_ui/SettingsFont.h"

#include <QVBoxLayout>

QWidget *PaneLabels::header(const QString &title, const QString &subtitle)
{
    auto *header = new QWidget;
    auto *stack = new QVBoxLayout(header);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(4);
    SchemeLabel *titleLabel = primary(title, 20, QFont::Bold);
    titleLabel->setAccessibleName(title);
    stack->addWidget(titleLabel);
    stack->addWidget(note(subtitle, 13));
    return header;
}

SchemeLabel *PaneLabels::primary(const QString &text, qreal size, QFont::Weight weight)
{
    return new SchemeLabel(text, SettingsFont::font(size, weight),
                           NamedColors::color(NamedColor::label, ColorScheme::light),
                           NamedColors::color(NamedColor::label, ColorScheme::dark));
}

SchemeLabel *PaneLabels::secondary(const QString &text, qreal size, QFont::Weight weight)
{
    return new SchemeLabel(text, SettingsFont::font(size, weight),
                           NamedColors::color(NamedColor::secondaryLabel, ColorScheme::light),
                           NamedColors::color(NamedColor::secondaryLabel, ColorScheme::dark));
}

SchemeLabel *PaneLabels::tinted(const QString &text, qreal size, QFont::Weight weight, NamedColor tint)
{
    return new SchemeLabel(text, SettingsFont::font(size, weight),
                           NamedColors::textColor(tint, ColorScheme::light),
                           NamedColors::textColor(tint, ColorScheme::dark));
}

SchemeLabel *PaneLabels::note(const QString &text, qreal size)
{
    SchemeLabel *label = secondary(text, size);
    label->setWordWrap(true);
    return label;
}

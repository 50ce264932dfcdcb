#include "settings_ui/components/PaneLabels.h"

#include "settings_ui/components/BackButton.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingsFont.h"

#include <QHBoxLayout>
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

QWidget *PaneLabels::pageHeader(const QString &title, std::function<void()> back)
{
    auto *header = new QWidget;
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    auto *button = new BackButton;
    button->setObjectName(QStringLiteral("back"));
    QObject::connect(button, &QAbstractButton::clicked, header, std::move(back));
    row->addWidget(button, 0, Qt::AlignVCenter);
    row->addWidget(text(title, 15, QFont::DemiBold, NamedColor::label, -0.3), 0, Qt::AlignVCenter);
    row->addStretch(1);
    return header;
}

SchemeLabel *PaneLabels::text(const QString &text, qreal size, QFont::Weight weight, NamedColor colour,
                              qreal tracking)
{
    return new SchemeLabel(text, SettingsFont::font(size, weight, tracking),
                           NamedColors::color(colour, ColorScheme::light),
                           NamedColors::color(colour, ColorScheme::dark));
}

SchemeLabel *PaneLabels::primary(const QString &text, qreal size, QFont::Weight weight)
{
    return PaneLabels::text(text, size, weight, NamedColor::label);
}

SchemeLabel *PaneLabels::secondary(const QString &text, qreal size, QFont::Weight weight)
{
    return PaneLabels::text(text, size, weight, NamedColor::secondaryLabel);
}

// The tertiary grey is for marks; as text it is taken as strong as reading needs.
SchemeLabel *PaneLabels::tertiary(const QString &text, qreal size, QFont::Weight weight)
{
    return tinted(text, size, weight, NamedColor::tertiaryLabel);
}

SchemeLabel *PaneLabels::tinted(const QString &text, qreal size, QFont::Weight weight, NamedColor tint)
{
    return new SchemeLabel(text, SettingsFont::font(size, weight),
                           NamedColors::textColor(tint, ColorScheme::light),
                           NamedColors::textColor(tint, ColorScheme::dark));
}

SchemeLabel *PaneLabels::section(const QString &text)
{
    return secondary(text, 12, QFont::Medium);
}

SchemeLabel *PaneLabels::note(const QString &text, qreal size)
{
    SchemeLabel *label = secondary(text, size);
    label->setWordWrap(true);
    return label;
}

#include "settings_ui/BreaksLabels.h"

#include "settings_ui/BackButton.h"
#include "settings_ui/SchemeLabel.h"
#include "settings_ui/SettingsFont.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

SchemeLabel *BreaksLabels::text(const QString &text, qreal size, QFont::Weight weight,
                                NamedColor colour, qreal tracking)
{
    return new SchemeLabel(text, SettingsFont::font(size, weight, tracking),
                           NamedColors::color(colour, ColorScheme::light),
                           NamedColors::color(colour, ColorScheme::dark));
}

SchemeLabel *BreaksLabels::secondary(const QString &text, qreal size, QFont::Weight weight)
{
    return BreaksLabels::text(text, size, weight, NamedColor::secondaryLabel);
}

SchemeLabel *BreaksLabels::tertiary(const QString &text, qreal size, QFont::Weight weight)
{
    return BreaksLabels::text(text, size, weight, NamedColor::tertiaryLabel);
}

SchemeLabel *BreaksLabels::section(const QString &text)
{
    return secondary(text, 12, QFont::Medium);
}

QWidget *BreaksLabels::paneHeader(const QString &title, const QString &subtitle)
{
    auto *header = new QWidget;
    auto *stack = new QVBoxLayout(header);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(4);
    stack->addWidget(text(title, 20, QFont::Bold));
    stack->addWidget(secondary(subtitle, 13));
    return header;
}

QWidget *BreaksLabels::pageHeader(const QString &title, std::function<void()> back)
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

#include "settings_ui/components/PaneRows.h"

#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/SchemeLabel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

ToggleSwitch *PaneRows::newSwitch(const QString &key, ToggleSwitch::Size size)
{
    auto *control = new ToggleSwitch(size, NamedColors::color(NamedColor::accent, ColorScheme::light));
    control->setObjectName(key);
    return control;
}

QWidget *PaneRows::cardTitle(const QString &title)
{
    QBoxLayout *layout = nullptr;
    QWidget *row = PaneRows::row(QMargins(16, 16, 16, 10), 0, &layout);
    layout->addWidget(PaneLabels::primary(title, 13, QFont::DemiBold));
    return row;
}

QWidget *PaneRows::withControl(const QString &title, qreal titleSize, QWidget *control,
                               const QMargins &margins)
{
    QBoxLayout *layout = nullptr;
    QWidget *row = PaneRows::row(margins, 8, &layout);
    SchemeLabel *label = PaneLabels::primary(title, titleSize);
    label->setBuddy(control);
    layout->addWidget(label, 1);
    layout->addWidget(control, 0, Qt::AlignVCenter);
    control->setAccessibleName(title);
    return row;
}

QVBoxLayout *PaneRows::titled(const QString &title, QFont::Weight weight, const QString &subtitle, int spacing,
                              qreal titleSize, qreal subtitleSize)
{
    auto *texts = new QVBoxLayout;
    texts->setSpacing(spacing);
    texts->addWidget(PaneLabels::primary(title, titleSize, weight));
    texts->addWidget(PaneLabels::note(subtitle, subtitleSize));
    return texts;
}

QWidget *PaneRows::row(const QMargins &margins, int spacing, QBoxLayout **layout)
{
    auto *row = new QWidget;
    auto *box = new QHBoxLayout(row);
    box->setContentsMargins(margins);
    box->setSpacing(spacing);
    *layout = box;
    return row;
}

#pragma once

#include "settings_ui/components/ToggleSwitch.h"

#include <QFont>
#include <QMargins>
#include <QString>

class QBoxLayout;
class QVBoxLayout;
class QWidget;

// The rows the panes fill their cards with, and the switches in them: a card's own title, a
// title with its switch or picker at the trailing edge, a row's title over its secondary
// line, and a bare row to lay out by hand. Each gives the control the row's title as its
// accessible name.
class PaneRows
{
public:
    // A switch in the accent blue, named after the setting it writes.
    static ToggleSwitch *newSwitch(const QString &key, ToggleSwitch::Size size);
    // A card's title (13 pixels, semibold), 16 pixels in, 16 above and 10 below.
    static QWidget *cardTitle(const QString &title);
    // The title at `titleSize`, then the control at the trailing edge.
    static QWidget *withControl(const QString &title, qreal titleSize, QWidget *control,
                                const QMargins &margins);
    // A row's texts: the title over a secondary line that wraps, `spacing` apart.
    static QVBoxLayout *titled(const QString &title, QFont::Weight weight, const QString &subtitle, int spacing = 2,
                               qreal titleSize = 13, qreal subtitleSize = 11);
    // An empty row with a horizontal layout at those margins and spacing.
    static QWidget *row(const QMargins &margins, int spacing, QBoxLayout **layout);
};

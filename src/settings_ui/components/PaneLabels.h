#pragma once

#include "settings_ui/components/NamedColors.h"

#include <QFont>
#include <QString>

#include <functional>

class QWidget;
class SchemeLabel;

// The texts the settings panes are written in: a pane's header (a bold title over its
// subtitle), a sub-page's header with its back button, section labels, and labels in the
// label, secondary, tertiary or a tint's colour at a pixel size and weight, each following
// the window's light or dark scheme.
class PaneLabels
{
public:
    static QWidget *header(const QString &title, const QString &subtitle);
    // A sub-page's header: the back button ("back"), which runs `back`, beside the page's title.
    static QWidget *pageHeader(const QString &title, std::function<void()> back);
    // In one of the named colours as they are, for light and dark.
    static SchemeLabel *text(const QString &text, qreal size, QFont::Weight weight, NamedColor colour,
                             qreal tracking = 0);
    static SchemeLabel *primary(const QString &text, qreal size, QFont::Weight weight = QFont::Normal);
    static SchemeLabel *secondary(const QString &text, qreal size, QFont::Weight weight = QFont::Normal);
    // In the tertiary grey's text colour, lighter than the secondary yet readable.
    static SchemeLabel *tertiary(const QString &text, qreal size, QFont::Weight weight = QFont::Normal);
    // In the tint's text colour (NamedColors::textColor), which reads where the tint would not.
    static SchemeLabel *tinted(const QString &text, qreal size, QFont::Weight weight, NamedColor tint);
    // A section's label over its card: 12 pixels, medium, secondary.
    static SchemeLabel *section(const QString &text);
    // A secondary text that wraps within the width it gets.
    static SchemeLabel *note(const QString &text, qreal size);
};

#pragma once

#include "settings_ui/NamedColors.h"

#include <QFont>
#include <QString>

class QWidget;
class SchemeLabel;

// The texts the Notifications and Calls & Recordings panes are written in: the pane's header
// (a bold title over its subtitle), and labels in the label, secondary or a tint's colour at
// a pixel size and weight, each following the window's light or dark scheme.
class PaneLabels
{
public:
    static QWidget *header(const QString &title, const QString &subtitle);
    static SchemeLabel *primary(const QString &text, qreal size, QFont::Weight weight = QFont::Normal);
    static SchemeLabel *secondary(const QString &text, qreal size, QFont::Weight weight = QFont::Normal);
    static SchemeLabel *tinted(const QString &text, qreal size, QFont::Weight weight, NamedColor tint);
    // A secondary text that wraps within the width it gets.
    static SchemeLabel *note(const QString &text, qreal size);
};

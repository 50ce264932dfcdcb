#pragma once

#include "settings_ui/NamedColors.h"

#include <QFont>
#include <QString>

#include <functional>

class QWidget;
class SchemeLabel;

// The texts of the Breaks pane and its pages, in the sizes, weights and label colours their
// layouts name, each following the window's scheme: a page's header, section labels, row
// titles and the quieter secondary and tertiary lines.
class BreaksLabels
{
public:
    static SchemeLabel *text(const QString &text, qreal size, QFont::Weight weight = QFont::Normal,
                             NamedColor colour = NamedColor::label, qreal tracking = 0);
    static SchemeLabel *secondary(const QString &text, qreal size, QFont::Weight weight = QFont::Normal);
    static SchemeLabel *tertiary(const QString &text, qreal size, QFont::Weight weight = QFont::Normal);
    // 12 pixels, medium, secondary.
    static SchemeLabel *section(const QString &text);
    // The pane's title over its subtitle, 4 pixels apart.
    static QWidget *paneHeader(const QString &title, const QString &subtitle);
    // A sub-page's header: the back button ("back"), which runs `back`, beside the page's title.
    static QWidget *pageHeader(const QString &title, std::function<void()> back);
};

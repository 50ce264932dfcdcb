#pragma once

#include "settings_ui/NamedColors.h"

#include <QFont>
#include <QString>

class QLabel;

// The labels of the statistics pane, plain text in the window's font at a pixel size and
// weight: in the label colour, or in one of the window's named colours for light and dark.
class StatsLabels {
public:
    static QLabel *primary(const QString &text, qreal pixelSize,
                           QFont::Weight weight = QFont::Normal);
    static QLabel *tinted(const QString &text, qreal pixelSize, QFont::Weight weight,
                          NamedColor colour);
    static QLabel *secondary(const QString &text, qreal pixelSize,
                             QFont::Weight weight = QFont::Normal)
    {
        return tinted(text, pixelSize, weight, NamedColor::secondaryLabel);
    }
    static QLabel *tertiary(const QString &text, qreal pixelSize,
                            QFont::Weight weight = QFont::Normal)
    {
        return tinted(text, pixelSize, weight, NamedColor::tertiaryLabel);
    }
};

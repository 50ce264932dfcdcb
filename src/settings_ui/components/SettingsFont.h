#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

// The type of the settings window and the first-run flow: the desktop's own UI family, sized
// in logical pixels so that a layout's "13 points" are 13 pixels whatever the screen's DPI
// setting, with weights as QFont names them (regular Normal, medium Medium, semibold
// DemiBold, bold Bold) and letter tracking in pixels.
//
// Qt 6.4 has no switch for tabular figures, so text whose digits must not shift as they
// change ("20m" turning into "30m", a countdown) is drawn with drawTabular(), which gives
// every digit the same cell.
class SettingsFont
{
public:
    // The body text of a pane, and the size every control falls back to.
    static constexpr qreal bodySize = 13;

    static QFont font(qreal pixelSize, QFont::Weight weight = QFont::Normal,
                      qreal trackingPixels = 0);

    // The width of one digit cell: the widest digit of the font.
    static qreal digitCellWidth(const QFont &font);
    // The width drawTabular() gives the text.
    static qreal tabularWidth(const QFont &font, const QString &text);
    // Draws one line with every digit centred in a cell of digitCellWidth(), other
    // characters at their own advance, aligned in `rect` as `alignment` says (left, right or
    // horizontal centre; top, bottom or vertical centre). Uses the painter's pen.
    static void drawTabular(QPainter &painter, const QRectF &rect, Qt::Alignment alignment,
                            const QFont &font, const QString &text);
};

#pragma once

#include "settings_ui/components/NamedColors.h"

#include <QMargins>
#include <QString>

class BreaksSettingRow;
class QVBoxLayout;
class QWidget;
class SchemeLabel;

// The pieces the panes are laid out from: the pane's column (every pane's), and for the
// General, Advanced, About and Shortcuts panes a section's label with the room above it and
// rows with a leading symbol, a title (over a subtitle when there is one) and a control at the
// trailing edge, the control named after the row's title for screen readers.
class PaneParts
{
public:
    // Spacing between the pane's elements.
    static constexpr int paneSpacing = 20;

    // The pane's column: flush with the pane, its elements `spacing` apart.
    static QVBoxLayout *column(QWidget *pane, int spacing = paneSpacing);
    // 12 pixels, medium, secondary, `topPadding` below whatever stands above it.
    static SchemeLabel *section(const QString &text, int topPadding);
    // A bare symbol (14 pixels, secondary), then the texts and the control.
    static BreaksSettingRow *symbolRow(const QString &symbol, const QString &title, const QString &subtitle,
                                        QWidget *control, const QMargins &margins);
    // A white symbol on a 24-pixel tile of `tint`, then the title (13 pixels) and the control.
    static BreaksSettingRow *tileRow(const QString &symbol, NamedColor tint, const QString &title,
                                     QWidget *control, const QMargins &margins);
};

#pragma once

#include <QFont>
#include <QMargins>
#include <QWidget>

class SchemeLabel;

// One row of a card on the Breaks pages: an optional leading mark (a tile or a symbol), the
// title over an optional subtitle, then the row's control at the trailing edge, vertically
// centred, 10 pixels apart.
class BreaksSettingRow : public QWidget
{
    Q_OBJECT

public:
    BreaksSettingRow(QWidget *leading, const QString &title, const QString &subtitle,
                     QWidget *trailing, const QMargins &margins,
                     QFont::Weight titleWeight = QFont::Medium, QWidget *parent = nullptr);

    SchemeLabel *titleLabel() const { return m_title; }
    // Null for a row without one.
    SchemeLabel *subtitleLabel() const { return m_subtitle; }

private:
    SchemeLabel *m_title;
    SchemeLabel *m_subtitle = nullptr;
};

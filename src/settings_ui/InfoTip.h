#pragma once

#include "settings_ui/NamedColors.h"

#include <QWidget>

class SchemeLabel;

// The tip card at the foot of a settings page: a symbol and a title in the tip's tint over
// a short message, on a faint wash of the tint with a thin border of it (stronger in the
// dark scheme).
class InfoTip : public QWidget
{
    Q_OBJECT

public:
    static constexpr qreal cornerRadius = 12;

    InfoTip(const QString &symbol, const QString &title, const QString &message, NamedColor tint,
            QWidget *parent = nullptr);

    QString title() const;
    QString message() const;
    // The wash and the border as drawn in `scheme`.
    static QColor fillColour(NamedColor tint, ColorScheme scheme);
    static QColor borderColour(NamedColor tint, ColorScheme scheme);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    class Symbol;

    NamedColor m_tint;
    SchemeLabel *m_title;
    SchemeLabel *m_message;
};

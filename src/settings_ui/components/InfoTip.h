#pragma once

#include "settings_ui/components/NamedColors.h"

#include <QWidget>

class SchemeLabel;

// A tip or note between a settings page's cards: a symbol and a title in the tip's tint over
// a short message, on a faint wash of the tint with a thin border of it. A tip's wash and
// border are stronger in the dark scheme; a note (a privacy statement in green, a warning in
// orange) looks the same in both. It holds no control.
class InfoTip : public QWidget
{
    Q_OBJECT

public:
    static constexpr qreal cornerRadius = 12;

    struct Look
    {
        qreal lightWash = 0.05;
        qreal darkWash = 0.12;
        qreal lightBorder = 0.15;
        qreal darkBorder = 0.25;
        int verticalPadding = 12;
        // Between the title and the message.
        int textSpacing = 4;
        // The symbol in the tint's text colour, as the title is, or in the tint itself.
        bool symbolInTextColour = true;
    };

    // A note's look: the same wash in both schemes, a 0.15 border, the symbol in the tint.
    static Look note(qreal washOpacity, int verticalPadding, int textSpacing);

    InfoTip(const QString &symbol, const QString &title, const QString &message, NamedColor tint,
            QWidget *parent = nullptr);
    InfoTip(const QString &symbol, const QString &title, const QString &message, NamedColor tint,
            const Look &look, QWidget *parent = nullptr);

    QString title() const;
    QString message() const;
    // A tip's wash and border as drawn in `scheme`.
    static QColor fillColour(NamedColor tint, ColorScheme scheme);
    static QColor borderColour(NamedColor tint, ColorScheme scheme);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    NamedColor m_tint;
    Look m_look;
    SchemeLabel *m_title;
    SchemeLabel *m_message;
};

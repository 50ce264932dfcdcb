#pragma once

#include "settings_ui/NamedColors.h"

#include <QWidget>

// A note standing between a pane's cards: a symbol and a title in a tint over a short
// message, on a faint wash of the tint with a thin border of it, the same in both schemes
// (a privacy statement in green, a warning in orange). It holds no control.
class TintedNote : public QWidget
{
    Q_OBJECT

public:
    static constexpr qreal cornerRadius = 12;

    struct Look
    {
        qreal washOpacity;
        int verticalPadding;
        // Between the title and the message.
        int textSpacing;
    };

    TintedNote(const QString &symbol, const QString &title, const QString &message, NamedColor tint,
               const Look &look, QWidget *parent = nullptr);

    NamedColor tint() const { return m_tint; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    NamedColor m_tint;
    qreal m_washOpacity;
};

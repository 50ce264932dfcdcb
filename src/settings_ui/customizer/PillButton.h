#pragma once

#include <QColor>
#include <QPointF>
#include <QSizeF>
#include <QString>

class QPainter;

// The Skip and Snooze capsules of the customizer's preview. They only show what the break
// screen will offer, so they are drawn, not built as controls: a symbol and a label in the
// foreground colour at 72 % on a thin material capsule with a faint outline.
class PillButton
{
public:
    static constexpr qreal iconSize = 8;
    static constexpr qreal labelSize = 10;
    static constexpr qreal spacing = 4;
    static constexpr qreal horizontalPadding = 12;
    static constexpr qreal verticalPadding = 7;

    PillButton(QString icon, QString label, QColor foreground);

    QSizeF size() const;
    // Draws the capsule with its top-left corner at `topLeft`, filled with `material`.
    void paint(QPainter &painter, QPointF topLeft, const QColor &material) const;

private:
    QString m_icon;
    QString m_label;
    QColor m_foreground;
};

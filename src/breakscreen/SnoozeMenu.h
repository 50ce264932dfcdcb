#pragma once

#include "breakscreen/AccessiblePart.h"
#include "breakscreen/SnoozeOption.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QWidget>

// The small panel of snooze lengths that rises above the snooze control: one row per
// option, in order, on a frosted rounded panel with a thin border and a soft shadow. A row
// shows a faint highlight only while pressed, and reports its value when released over it.
// It grows from its bottom edge as it opens (setAppearance). The widget reaches past the
// panel by the shadow's room: place it with setPanelGeometry. Screen readers see a popup
// menu whose items, named by their labels, press as a click on the row does.
//
// Given the keyboard (by its snooze control), it rings its current row: Up and Down move
// through the rows, Return, Enter or Space choose the current one, and Escape or Tab ask
// to close it (closeRequested()). Tab never comes into it from outside.
class SnoozeMenu : public QWidget
{
    Q_OBJECT

public:
    static constexpr qreal panelWidth = 100;

    SnoozeMenu(const QList<SnoozeOption> &options, QWidget *parent = nullptr);

    void setColours(const QColor &foreground, const QColor &material);
    // 0 closed to 1 open: the panel scales from 0.92 about its bottom edge and fades in.
    void setAppearance(qreal appearance);

    const QList<SnoozeOption> &options() const { return m_options; }
    QSize panelSize() const;
    void setPanelGeometry(const QRect &panelRect);
    QRect panelGeometry() const;
    // A row's rectangle in this widget, the whole of it clickable.
    QRect rowRect(int index) const;
    int pressedRow() const { return m_pressedRow; }
    // The row the keyboard is on; -1 for none.
    int currentRow() const { return m_currentRow; }
    void setCurrentRow(int index);
    void setFocusRingColour(const QColor &colour);
    // The shadow's room around the panel.
    QMargins shadowMargins() const;
    // One item per row, as screen readers see them.
    QList<AccessiblePart::Description> accessibleParts();

signals:
    void optionChosen(int value);
    void closeRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    qreal rowHeight() const;
    int rowAt(const QPoint &pos) const;
    void paintPanel(QPainter &painter, const QRectF &panel);

    QList<SnoozeOption> m_options;
    QColor m_foreground = Qt::white;
    QColor m_material = Qt::black;
    qreal m_appearance = 0;
    int m_pressedRow = -1;
    int m_currentRow = -1;
    QColor m_focusRing;
    QImage m_shadow;
};

#pragma once

#include "core/AppTheme.h"

#include <QStyledItemDelegate>
#include <QUuid>

#include <functional>

struct PlannedBreak;

// Paints one planned break of the list: its icon on a faint blue tile, its name (as plain
// text, elided) and time, "days · N min" under them, the warning mark when it falls outside
// the working hours, the edit and delete buttons, faded in while the row is under the
// pointer, and its on/off switch; a hairline above every row but the first. It also says
// which of its parts a point hits, and shows the warning's help over the mark.
class PlannedBreakDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    enum class Part { none, edit, remove, toggle };
    // How far a row's buttons have faded in (0 to 1), by break id.
    using HoverProgress = std::function<qreal(const QUuid &id)>;

    static const QString warningHelp;

    explicit PlannedBreakDelegate(HoverProgress hoverProgress, QObject *parent = nullptr);

    // Every row is as tall: the hairline above it, the padding and two lines of text.
    static int rowHeight();

    // Where the parts sit in a row's rectangle.
    static QRectF switchRect(const QRect &row);
    static QRectF trashRect(const QRect &row);
    static QRectF pencilRect(const QRect &row);
    static QRectF warningRect(const QRect &row);
    // The buttons only while they show (`hovering`); the switch always.
    static Part partAt(const QRect &row, const QPoint &point, bool hovering);

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    // Clicks and keys are the list's to handle: it knows which row is hovered.
    bool editorEvent(QEvent *, QAbstractItemModel *, const QStyleOptionViewItem &,
                     const QModelIndex &) override
    {
        return false;
    }
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

private:
    void paintTrailing(QPainter *painter, const QRect &row, const PlannedBreak &planned, bool outside,
                       ColorScheme scheme) const;
    void paintTexts(QPainter *painter, const QRectF &content, qreal textRight,
                    const QModelIndex &index, ColorScheme scheme) const;
    static void paintSwitch(QPainter *painter, const QRectF &track, bool on, bool dark);

    HoverProgress m_hoverProgress;
};

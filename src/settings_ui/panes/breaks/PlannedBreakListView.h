#pragma once

#include "scheduling/PlannedBreak.h"
#include "settings_ui/panes/breaks/PlannedBreakDelegate.h"

#include <QHash>
#include <QListView>

#include <optional>

class CurveAnimation;
class PlannedBreakListModel;

// The list of planned breaks inside its card: as tall as all its rows, so the pane scrolls
// it, and see-through, so the card shows. The row under the pointer fades its edit and
// delete buttons in (ease-out, 0.12 s); hover is held by break, so it stays with its break
// as the list changes. A click on a row's pencil, trash or switch asks for that action; from
// the keyboard, Space switches the current row, Return edits it and Delete removes it.
class PlannedBreakListView : public QListView
{
    Q_OBJECT

public:
    static constexpr double hoverSeconds = 0.12;

    explicit PlannedBreakListView(PlannedBreakListModel *model, QWidget *parent = nullptr);

    PlannedBreakListModel *breaks() const { return m_model; }
    std::optional<QUuid> hoveredBreak() const { return m_hovered; }
    qreal hoverProgress(const QUuid &id) const { return m_hoverProgress.value(id, 0); }
    // The row's rectangle in the viewport.
    QRect rowRect(int row) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void editRequested(const PlannedBreak &planned);
    void removeRequested(const QUuid &id);
    void toggleRequested(const PlannedBreak &planned, bool enabled);

protected:
    bool viewportEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fitHeight();
    void hoverAt(const std::optional<QPoint> &point);
    void setHovered(const std::optional<QUuid> &id);
    void stepHover(qreal share);
    void act(PlannedBreakDelegate::Part part, int row);

    PlannedBreakListModel *m_model;
    std::optional<QPoint> m_pointer;
    std::optional<QUuid> m_hovered;
    QHash<QUuid, qreal> m_hoverProgress;
    QHash<QUuid, qreal> m_hoverFrom;
    CurveAnimation *m_hoverFade;
    PlannedBreakDelegate::Part m_pressedPart = PlannedBreakDelegate::Part::none;
    std::optional<QUuid> m_pressedBreak;
};

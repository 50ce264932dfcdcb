#include "settings_ui/panes/breaks/PlannedBreakListView.h"

#include "settings_ui/components/CurveAnimation.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/panes/breaks/PlannedBreakListModel.h"

#include <QKeyEvent>
#include <QMouseEvent>

PlannedBreakListView::PlannedBreakListView(PlannedBreakListModel *model, QWidget *parent)
    : QListView(parent)
    , m_model(model)
    , m_hoverFade(new CurveAnimation(MotionCurve::easeOut(hoverSeconds), this))
{
    setObjectName(QStringLiteral("plannedBreaks"));
    setAccessibleName(QStringLiteral("Scheduled breaks"));
    setModel(model);
    setItemDelegate(new PlannedBreakDelegate([this](const QUuid &id) { return hoverProgress(id); }, this));
    setUniformItemSizes(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // The card under the list is its background.
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_hoverFade->setStartValue(0.0);
    m_hoverFade->setEndValue(1.0);
    connect(m_hoverFade, &QVariantAnimation::valueChanged, this,
            [this](const QVariant &share) { stepHover(share.toDouble()); });
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
        connect(model, signal, this, [this] {
            fitHeight();
            hoverAt(m_pointer);
        });
    }
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        fitHeight();
        hoverAt(m_pointer);
    });
    fitHeight();
}

QRect PlannedBreakListView::rowRect(int row) const
{
    return visualRect(m_model->index(row));
}

QSize PlannedBreakListView::sizeHint() const
{
    // The width is the card's to give; asking the list for one would lay out every row.
    constexpr int anyWidth = 200;
    return QSize(anyWidth, PlannedBreakDelegate::rowHeight() * m_model->rowCount());
}

QSize PlannedBreakListView::minimumSizeHint() const
{
    return QSize(0, sizeHint().height());
}

void PlannedBreakListView::fitHeight()
{
    setFixedHeight(sizeHint().height());
}

bool PlannedBreakListView::viewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        hoverAt(static_cast<QMouseEvent *>(event)->position().toPoint());
        break;
    case QEvent::Leave:
        hoverAt(std::nullopt);
        break;
    default:
        break;
    }
    return QListView::viewportEvent(event);
}

void PlannedBreakListView::hideEvent(QHideEvent *event)
{
    QListView::hideEvent(event);
    // A pointer is not over a list nobody sees; when it comes back, the pointer says again.
    m_pointer.reset();
    m_hovered.reset();
    m_hoverFade->stop();
    m_hoverProgress.clear();
}

void PlannedBreakListView::hoverAt(const std::optional<QPoint> &point)
{
    m_pointer = point;
    const QModelIndex index = point ? indexAt(*point) : QModelIndex();
    setHovered(index.isValid() ? std::optional(m_model->breakAt(index.row()).id) : std::nullopt);
    bool overPart = false;
    if (index.isValid()) {
        overPart = PlannedBreakDelegate::partAt(visualRect(index), *point, true)
                   != PlannedBreakDelegate::Part::none;
    }
    viewport()->setCursor(overPart ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void PlannedBreakListView::setHovered(const std::optional<QUuid> &id)
{
    if (id == m_hovered)
        return;
    m_hovered = id;
    // Every row eases from where it stands now: the new one in, the one left behind out.
    m_hoverFrom = m_hoverProgress;
    if (id && !m_hoverFrom.contains(*id))
        m_hoverFrom.insert(*id, 0);
    m_hoverFade->stop();
    Motion::start(m_hoverFade);
}

void PlannedBreakListView::stepHover(qreal share)
{
    for (auto entry = m_hoverFrom.cbegin(); entry != m_hoverFrom.cend(); ++entry) {
        const qreal target = entry.key() == m_hovered ? 1 : 0;
        const qreal progress = entry.value() + (target - entry.value()) * share;
        if (progress <= 0 && target == 0)
            m_hoverProgress.remove(entry.key());
        else
            m_hoverProgress.insert(entry.key(), progress);
    }
    viewport()->update();
}

void PlannedBreakListView::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    m_pressedPart = PlannedBreakDelegate::Part::none;
    m_pressedBreak.reset();
    if (event->button() == Qt::LeftButton && index.isValid()) {
        const QUuid id = m_model->breakAt(index.row()).id;
        m_pressedPart = PlannedBreakDelegate::partAt(visualRect(index), event->position().toPoint(),
                                                     m_hovered == id);
        m_pressedBreak = id;
    }
    QListView::mousePressEvent(event);
}

void PlannedBreakListView::mouseReleaseEvent(QMouseEvent *event)
{
    QListView::mouseReleaseEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !index.isValid() || !m_pressedBreak)
        return;
    const QUuid id = m_model->breakAt(index.row()).id;
    const PlannedBreakDelegate::Part part =
        PlannedBreakDelegate::partAt(visualRect(index), event->position().toPoint(), m_hovered == id);
    // Pressed and released on the same part of the same break.
    if (id == *m_pressedBreak && part == m_pressedPart)
        act(part, index.row());
    m_pressedBreak.reset();
}

void PlannedBreakListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A second click on a part is a second press of it, not an edit of the row.
    mousePressEvent(event);
}

void PlannedBreakListView::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex current = currentIndex();
    if (current.isValid()) {
        switch (event->key()) {
        case Qt::Key_Space:
            act(PlannedBreakDelegate::Part::toggle, current.row());
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            act(PlannedBreakDelegate::Part::edit, current.row());
            return;
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            act(PlannedBreakDelegate::Part::remove, current.row());
            return;
        default:
            break;
        }
    }
    QListView::keyPressEvent(event);
}

void PlannedBreakListView::act(PlannedBreakDelegate::Part part, int row)
{
    const PlannedBreak planned = m_model->breakAt(row);
    switch (part) {
    case PlannedBreakDelegate::Part::edit:
        emit editRequested(planned);
        break;
    case PlannedBreakDelegate::Part::remove:
        emit removeRequested(planned.id);
        break;
    case PlannedBreakDelegate::Part::toggle:
        emit toggleRequested(planned, !planned.enabled);
        break;
    case PlannedBreakDelegate::Part::none:
        break;
    }
}

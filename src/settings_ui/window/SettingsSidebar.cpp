#include "settings_ui/window/SettingsSidebar.h"

#include "settings_ui/components/Hairline.h"
#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/window/SettingsSidebarFooterView.h"
#include "settings_ui/window/SidebarBreaksHeader.h"
#include "settings_ui/window/SidebarButtonView.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int rowSpacing = 6;
constexpr qreal groupRuleOpacity = 0.12;
constexpr qreal footerRuleOpacity = 0.08;
// A shade deeper than the detail area, so the column reads as its own surface.
const QColor lightSidebar(228, 228, 227);
const QColor darkSidebar(30, 30, 32);

// The rule between two groups, with room above and below it.
QWidget *groupSeparator(QWidget *parent)
{
    auto *holder = new QWidget(parent);
    auto *layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 4, 0, 4);
    layout->addWidget(new Hairline(8, groupRuleOpacity, holder));
    return holder;
}

} // namespace

SettingsSidebar::SettingsSidebar(BreakScheduler &scheduler, const QVariantMap &info, QWidget *parent)
    : QWidget(parent)
{
    setFixedWidth(sidebarWidth);
    auto *scroll = new QScrollArea(this);
    m_scroll = scroll;
    scroll->setFrameShape(QFrame::NoFrame);
    // The rows are the stop; the list around them is no stop of its own.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    // The column paints its own surface; the scroll area shows it through.
    scroll->viewport()->setAutoFillBackground(false);
    scroll->setWidget(buildList(scheduler));
    scroll->widget()->setAutoFillBackground(false);
    m_footer = new SettingsSidebarFooterView(info, this);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(scroll, 1);
    column->addWidget(new Hairline(12, footerRuleOpacity, this));
    column->addWidget(m_footer);
}

QWidget *SettingsSidebar::buildList(BreakScheduler &scheduler)
{
    auto *list = new QWidget;
    auto *layout = new QVBoxLayout(list);
    layout->setContentsMargins(12, 12, 12, 20);
    layout->setSpacing(rowSpacing);
    const QList<QList<SidebarSection>> &groups = sidebarGroups();
    for (qsizetype group = 0; group < groups.size(); ++group) {
        if (group > 0)
            layout->addWidget(groupSeparator(list));
        // The break sections sit under their own header.
        if (groups[group].contains(SidebarSection::breaks)) {
            m_breaksHeader = new SidebarBreaksHeader(scheduler, list);
            layout->addWidget(m_breaksHeader);
        }
        for (SidebarSection section : groups[group])
            addRow(layout, section);
    }
    layout->addStretch(1);
    return list;
}

void SettingsSidebar::addRow(QVBoxLayout *list, SidebarSection section)
{
    auto *row = new SidebarButtonView(section, list->parentWidget());
    m_rows.insert(section, row);
    m_order.append(row);
    row->installEventFilter(this);
    list->addWidget(row);
    connect(row, &QAbstractButton::clicked, this, [this, section] { emit sectionClicked(section); });
}

void SettingsSidebar::setSelectedSection(SidebarSection section)
{
    SidebarButtonView *selected = m_rows.value(section);
    m_stop = selected ? selected : m_order.value(0);
    for (SidebarButtonView *row : std::as_const(m_order)) {
        row->setSelected(row == selected);
        // A click still focuses any row.
        row->setFocusPolicy(row == m_stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

bool SettingsSidebar::focusNextPrevChild(bool next)
{
    auto *row = qobject_cast<SidebarButtonView *>(QApplication::focusWidget());
    if (!row || !m_order.contains(row) || !m_stop)
        return QWidget::focusNextPrevChild(next);
    // From any row Tab leaves the list: the list's one stop would otherwise catch a Tab
    // from a row above it.
    m_stop->setFocusPolicy(Qt::ClickFocus);
    const bool moved = QWidget::focusNextPrevChild(next);
    m_stop->setFocusPolicy(Qt::StrongFocus);
    return moved;
}

bool SettingsSidebar::eventFilter(QObject *watched, QEvent *event)
{
    auto *row = qobject_cast<SidebarButtonView *>(watched);
    if (row && event->type() == QEvent::FocusIn) {
        // Tab may come in from the detail area, an arrow from a row out of view: the list
        // scrolls to the row either way. A click is on a row in view already.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            m_scroll->ensureWidgetVisible(row, 0, 0);
    } else if (row && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            stepFocus(row, -1);
            return true;
        case Qt::Key_Down:
        case Qt::Key_Right:
            stepFocus(row, 1);
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SettingsSidebar::stepFocus(SidebarButtonView *row, int by)
{
    const qsizetype to = m_order.indexOf(row) + by;
    if (to >= 0 && to < m_order.size())
        m_order[to]->setFocus(by < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
}

QColor SettingsSidebar::fill(ColorScheme scheme)
{
    return scheme == ColorScheme::dark ? darkSidebar : lightSidebar;
}

void SettingsSidebar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool dark = SettingsPalette::isDark(this);
    painter.fillRect(rect(), fill(dark ? ColorScheme::dark : ColorScheme::light));
    // The column's edge against the detail area.
    painter.fillRect(QRect(width() - 1, 0, 1, height()),
                     NamedColors::color(NamedColor::separator, dark ? ColorScheme::dark : ColorScheme::light));
}

#include "menubar/LiveMenuBarStatusHeader.h"

#include "core/Clock.h"
#include "menubar/MenuBarStatusHeaderView.h"

#include <QMenu>
#include <QWidgetAction>

namespace {

constexpr double refreshIntervalSeconds = 1.0;

QAction *addTextRow(QMenu &menu, const QString &text)
{
    QAction *row = menu.addAction(text);
    row->setEnabled(false);
    return row;
}

} // namespace

LiveMenuBarStatusHeader::LiveMenuBarStatusHeader(StatusProvider statusProvider, Clock &clock,
                                                 QObject *parent)
    : QObject(parent)
    , m_statusProvider(std::move(statusProvider))
    , m_clock(clock)
{
}

void LiveMenuBarStatusHeader::addTo(QMenu &menu, bool asWidget)
{
    m_status = m_statusProvider(m_clock.now());
    if (asWidget) {
        auto *row = new QWidgetAction(&menu);
        m_view = new MenuBarStatusHeaderView;
        row->setDefaultWidget(m_view);
        menu.addAction(row);
    } else {
        m_titleRow = addTextRow(menu, {});
        m_subtitleRow = addTextRow(menu, {});
    }
    show(m_status);
}

void LiveMenuBarStatusHeader::start()
{
    if (m_timer)
        return;
    m_timer = m_clock.schedule(refreshIntervalSeconds, true, [this] { refresh(); });
}

void LiveMenuBarStatusHeader::stop()
{
    m_timer.reset();
}

void LiveMenuBarStatusHeader::refresh()
{
    m_status = m_statusProvider(m_clock.now());
    show(m_status);
}

// Texts are set only when they change: each change of an exported row is a message to the
// tray host.
void LiveMenuBarStatusHeader::show(const MenuBarStatusPresentation &status)
{
    if (m_view)
        m_view->setStatus(status);
    if (m_titleRow && m_titleRow->text() != status.headerTitle)
        m_titleRow->setText(status.headerTitle);
    if (m_subtitleRow && m_subtitleRow->text() != status.headerSubtitle)
        m_subtitleRow->setText(status.headerSubtitle);
}

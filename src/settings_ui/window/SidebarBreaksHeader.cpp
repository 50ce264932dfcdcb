#include "settings_ui/window/SidebarBreaksHeader.h"

#include "scheduling/BreakScheduler.h"
#include "settings_ui/components/PaneLabels.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/window/PausedBadge.h"

#include <QHBoxLayout>

namespace {

constexpr int headerHeight = 20;
constexpr int horizontalPadding = 8;

} // namespace

SidebarBreaksHeader::SidebarBreaksHeader(BreakScheduler &scheduler, QWidget *parent)
    : QWidget(parent)
    , m_scheduler(scheduler)
    , m_badge(new PausedBadge(this))
{
    SchemeLabel *title = PaneLabels::secondary(QStringLiteral("BREAKS"), 10, QFont::Medium);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(horizontalPadding, 0, horizontalPadding, 0);
    row->setSpacing(4);
    row->addWidget(title);
    row->addStretch(1);
    row->addWidget(m_badge);
    setFixedHeight(headerHeight);
    updateBadge();
    connect(&m_scheduler, &BreakScheduler::pauseReasonsChanged, this,
            &SidebarBreaksHeader::updateBadge);
}

bool SidebarBreaksHeader::showsBadge() const
{
    return !m_badge->isHidden();
}

void SidebarBreaksHeader::updateBadge()
{
    m_badge->setVisible(m_scheduler.pauseReasons().contains(PauseReason::manual));
}

#include "settings_ui/window/DetailView.h"

#include "settings_ui/window/SettingsPanes.h"

#include <QVBoxLayout>

DetailView::DetailView(SidebarSection section, const ContentServices &services, QWidget *parent)
    : QScrollArea(parent)
    , m_section(section)
    , m_pane(SettingsPanes::make(section, services))
{
    setFrameShape(QFrame::NoFrame);
    // Tab goes from the sidebar straight to the pane's first control; the area around the
    // pane is no stop of its own, and still scrolls to the control that takes the focus.
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(true);
    setObjectName(QStringLiteral("detail:") + sidebarSectionRawValue(section));
    auto *content = new QWidget;
    auto *stack = new QVBoxLayout(content);
    stack->setContentsMargins(padding, padding, padding, padding);
    stack->setSpacing(0);
    if (m_pane)
        stack->addWidget(m_pane);
    stack->addStretch(1);
    setWidget(content);
}

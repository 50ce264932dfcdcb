#pragma once

#include "settings_ui/window/SidebarSection.h"

#include <QScrollArea>

struct ContentServices;

// The settings window's detail area for one section: its pane, padded 20 pixels on every
// side, filling the width and starting at the top, in a scroll area of its own. A new one is
// made for every section chosen, so a pane always starts fresh and scrolled to the top.
class DetailView : public QScrollArea
{
    Q_OBJECT

public:
    static constexpr int padding = 20;

    DetailView(SidebarSection section, const ContentServices &services, QWidget *parent = nullptr);

    SidebarSection section() const { return m_section; }
    // Null for `debug`.
    QWidget *pane() const { return m_pane; }

private:
    SidebarSection m_section;
    QWidget *m_pane;
};

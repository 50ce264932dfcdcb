#pragma once

#include "settings_ui/components/TileButton.h"
#include "settings_ui/window/SidebarSection.h"

// One row of the settings window's sidebar: the section's symbol on a small tile of its
// colour, and its title. The selected row is filled with the accent colour and its title
// turns white and medium; a row under the pointer gets a faint wash at once. The whole row,
// padding included, takes clicks. Announced as a radio button named after the section.
class SidebarButtonView : public TileButton
{
    Q_OBJECT

public:
    static constexpr int rowHeight = 36;
    static constexpr int tileSide = 26;

    explicit SidebarButtonView(SidebarSection section, QWidget *parent = nullptr);

    SidebarSection section() const { return m_section; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SidebarSection m_section;
};

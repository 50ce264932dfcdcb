#pragma once

#include "core/AppTheme.h"
#include "settings_ui/window/SidebarSection.h"

#include <QColor>
#include <QHash>
#include <QVariantMap>
#include <QWidget>

class BreakScheduler;
class SettingsSidebarFooterView;
class SidebarBreaksHeader;
class SidebarButtonView;

// The settings window's sidebar, a fixed 220 pixels wide with no way to hide it: the rows of
// the sections in their groups (General; "BREAKS" and the break sections; Shortcuts,
// Statistics, Advanced; About), scrolling without scroll bars when the window is short,
// over the footer with the name and version. It marks the selected row and reports clicks;
// the window decides what is selected.
class SettingsSidebar : public QWidget
{
    Q_OBJECT

public:
    static constexpr int sidebarWidth = 220;

    SettingsSidebar(BreakScheduler &scheduler, const QVariantMap &info, QWidget *parent = nullptr);

    // What the column is filled with in `scheme`: the ground of its texts.
    static QColor fill(ColorScheme scheme);

    void setSelectedSection(SidebarSection section);
    // The row of a listed section; null for `debug`.
    SidebarButtonView *row(SidebarSection section) const { return m_rows.value(section); }
    SidebarBreaksHeader *breaksHeader() const { return m_breaksHeader; }
    SettingsSidebarFooterView *footer() const { return m_footer; }

signals:
    void sectionClicked(SidebarSection section);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *buildList(BreakScheduler &scheduler);
    void addRow(class QVBoxLayout *list, SidebarSection section);

    QHash<SidebarSection, SidebarButtonView *> m_rows;
    SidebarBreaksHeader *m_breaksHeader = nullptr;
    SettingsSidebarFooterView *m_footer = nullptr;
};

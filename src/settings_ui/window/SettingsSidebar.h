#pragma once

#include "core/AppTheme.h"
#include "settings_ui/window/SidebarSection.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QVariantMap>
#include <QWidget>

class BreakScheduler;
class QScrollArea;
class SettingsSidebarFooterView;
class SidebarBreaksHeader;
class SidebarButtonView;

// The settings window's sidebar, a fixed 220 pixels wide with no way to hide it: the rows of
// the sections in their groups (General; "BREAKS" and the break sections; Shortcuts,
// Statistics, Advanced; About), scrolling without scroll bars when the window is short,
// over the footer with the name and version. It marks the selected row and reports clicks;
// the window decides what is selected.
//
// To the keyboard the rows are one stop, as a group of radio buttons is: Tab and Shift+Tab
// enter the list on the selected row and leave it for what lies before or after it, and the
// arrow keys move the focus from row to row, stopping at the first and the last.
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
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildList(BreakScheduler &scheduler);
    void addRow(class QVBoxLayout *list, SidebarSection section);
    // Moves the focus `by` rows up (negative) or down from `row`; nowhere past either end.
    void stepFocus(SidebarButtonView *row, int by);

    QHash<SidebarSection, SidebarButtonView *> m_rows;
    // From top to bottom.
    QList<SidebarButtonView *> m_order;
    // The row Tab stops on: the selected one, or the first while none is.
    SidebarButtonView *m_stop = nullptr;
    QScrollArea *m_scroll = nullptr;
    SidebarBreaksHeader *m_breaksHeader = nullptr;
    SettingsSidebarFooterView *m_footer = nullptr;
};

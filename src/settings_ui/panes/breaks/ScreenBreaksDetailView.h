#pragma once

#include "settings_ui/panes/breaks/ScreenBreaksSubpage.h"
#include "settings_ui/window/ContentServices.h"

#include <QWidget>

class FadeStack;
class QShortcut;

// The Breaks pane: its main page, or in its place one of the pages it opens (working hours,
// long breaks, scheduled breaks), each built afresh when shown and cross-faded (ease-out,
// 0.14 s; at once with reduced motion). A page leaving saves what it still holds. The
// application's "navigateToBreaksMain" brings the main page back, and so do Escape and
// Alt+Left while the keyboard is in the pane. The keyboard follows the pages: when it was
// on the page that leaves, it lands on a new sub-page's first control, and back on the main
// page on the row that opened the sub-page; its ring shows there if it showed before. The
// pane is as tall as the page it shows, so the detail area scrolls the page, and it clips it.
class ScreenBreaksDetailView : public QWidget
{
    Q_OBJECT

public:
    static constexpr double pageFadeSeconds = 0.14;

    explicit ScreenBreaksDetailView(const ContentServices &services, QWidget *parent = nullptr);

    // The pane's registration with the settings window.
    static QWidget *make(const ContentServices &services);

    ScreenBreaksSubpage subpage() const { return m_subpage; }
    // Showing the page already shown changes nothing.
    void setSubpage(ScreenBreaksSubpage subpage);
    QWidget *page() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void subpageChanged(ScreenBreaksSubpage subpage);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *makePage(ScreenBreaksSubpage subpage);
    // Shows `subpage`; `byKeyboard` says whether the keyboard asked, when nobody can tell from
    // the control that has the focus.
    void showSubpage(ScreenBreaksSubpage subpage, bool byKeyboard);
    // Where the keyboard lands on `page`, arriving from `from`.
    static QWidget *focusTarget(QWidget *page, ScreenBreaksSubpage from);
    QWidget *makeScheduledBreaksPage();
    static int pageHeight(const QWidget *page, int width);

    ContentServices m_services;
    FadeStack *m_stack;
    QShortcut *m_back;
    ScreenBreaksSubpage m_subpage = ScreenBreaksSubpage::main;
};

#include "menubar/MenuBarStatusHeaderView.h"

#include "menubar/MenuBarStatusPresentation.h"

MenuBarStatusHeaderView::MenuBarStatusHeaderView(QWidget *parent)
    : MenuBarRowView({QSize(310, 66), 9, 14}, parent)
{
}

void MenuBarStatusHeaderView::setStatus(const MenuBarStatusPresentation &status)
{
    setContent(status.symbolName, status.headerTitle, status.headerSubtitle);
}

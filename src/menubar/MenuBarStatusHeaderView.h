#pragma once

#include "menubar/MenuBarRowView.h"

struct MenuBarStatusPresentation;

// The menu's header: the status presentation's symbol, title and subtitle.
class MenuBarStatusHeaderView : public MenuBarRowView
{
    Q_OBJECT

public:
    explicit MenuBarStatusHeaderView(QWidget *parent = nullptr);

    void setStatus(const MenuBarStatusPresentation &status);
};

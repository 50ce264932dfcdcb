#pragma once

#include "menubar/MenuBarNotice.h"
#include "menubar/MenuBarRowView.h"

// A one-time notice above the menu's header.
class MenuBarNoticeView : public MenuBarRowView
{
    Q_OBJECT

public:
    explicit MenuBarNoticeView(MenuBarNotice notice, QWidget *parent = nullptr);

    static QString noticeTitle(MenuBarNotice notice);
    static QString noticeMessage(MenuBarNotice notice);
};

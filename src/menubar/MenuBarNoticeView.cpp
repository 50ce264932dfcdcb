#include "menubar/MenuBarNoticeView.h"

#include "menubar/StatusGlyphs.h"

MenuBarNoticeView::MenuBarNoticeView(MenuBarNotice notice, QWidget *parent)
    : MenuBarRowView({QSize(310, 70), 10, 15}, parent)
{
    setContent(StatusGlyphs::fallbackSymbolName(), noticeTitle(notice), noticeMessage(notice));
}

QString MenuBarNoticeView::noticeTitle(MenuBarNotice notice)
{
    switch (notice) {
    case MenuBarNotice::onboarding: return QStringLiteral("Lumenpause lives here");
    }
    return {};
}

QString MenuBarNoticeView::noticeMessage(MenuBarNotice notice)
{
    switch (notice) {
    case MenuBarNotice::onboarding:
        return QStringLiteral(
            "Open this menu for quick controls, or choose Settings to configure Lumenpause.");
    }
    return {};
}

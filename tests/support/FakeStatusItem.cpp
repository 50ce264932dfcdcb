#include "support/FakeStatusItem.h"

#include <QMenu>

void FakeStatusItem::setIcon(const QIcon &icon)
{
    m_icon = icon;
    ++m_iconChanges;
}

void FakeStatusItem::setToolTip(const QString &toolTip)
{
    m_toolTips.append(toolTip);
}

void FakeStatusItem::popUpMenu(QMenu *menu, MenuPlacement placement)
{
    m_poppedUp.append({menu, placement});
}

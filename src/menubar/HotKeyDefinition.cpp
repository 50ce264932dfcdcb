#include "menubar/HotKeyDefinition.h"

QString HotKeyDefinition::shortcutText() const
{
    return QStringLiteral("Super+Alt+") + letter;
}

const QList<HotKeyDefinition> &HotKeyDefinition::table()
{
    static const QList<HotKeyDefinition> rows = {
        {pauseResume, u'P', QStringLiteral("Pause / Resume")},
        {skipBreak, u'S', QStringLiteral("Skip break")},
        {takeBreakNow, u'B', QStringLiteral("Take a break now")},
        {toggleMenuBarTimer, u'T', QStringLiteral("Toggle menu bar timer")},
        {openSettings, u'G', QStringLiteral("Open Lumenpause")},
    };
    return rows;
}

#pragma once

#include <QList>
#include <QString>

// One of the global hot keys: Super+Alt with a letter of the current keyboard layout.
struct HotKeyDefinition
{
    static constexpr quint32 pauseResume = 1;
    static constexpr quint32 skipBreak = 2;
    static constexpr quint32 takeBreakNow = 3;
    static constexpr quint32 toggleMenuBarTimer = 4;
    static constexpr quint32 openSettings = 5;

    quint32 id = 0;
    // The letter as printed on the key, upper case.
    QChar letter;
    // Used in messages.
    QString name;

    // "Super+Alt+P"
    QString shortcutText() const;

    // The five keys, in registration order.
    static const QList<HotKeyDefinition> &table();
};

#pragma once

#include <QObject>

// The object that settings pages share while they are open. It carries no properties: none
// of its values is ever read or written, so holding state here would only invite drift.
class SettingsContext : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Made on first use on the main thread; lives until the process ends.
    static SettingsContext &shared();
};

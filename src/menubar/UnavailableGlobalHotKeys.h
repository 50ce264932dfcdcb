#pragma once

#include "menubar/GlobalHotKeys.h"

// Where no hot key can be heard at all (a Wayland session, no X display): the handler never
// installs, and says why.
class UnavailableGlobalHotKeys : public GlobalHotKeys
{
public:
    // `reason` completes "error: ".
    explicit UnavailableGlobalHotKeys(QString reason, QObject *parent = nullptr);

    std::optional<QString> installHandler() override;
    void removeHandler() override {}
    QList<QString> registerKeys(const QList<HotKeyDefinition> &rows) override;
    void unregisterKeys() override {}

private:
    QString m_reason;
};

#pragma once

#include "menubar/GlobalHotKeys.h"

#include <QHash>

// Hot keys that register whatever the test does not refuse; press() is the user pressing one.
// The handler's installations and removals are counted.
class FakeGlobalHotKeys : public GlobalHotKeys
{
public:
    std::optional<QString> installHandler() override;
    void removeHandler() override;
    QList<QString> registerKeys(const QList<HotKeyDefinition> &rows) override;
    void unregisterKeys() override;

    // The handler does not install, for this reason ("error: ...").
    void setHandlerFailure(std::optional<QString> failure) { m_handlerFailure = std::move(failure); }
    // The key with this id is refused with this failure ("error 10").
    void refuse(quint32 id, const QString &failure) { m_refusals.insert(id, failure); }
    void press(quint32 id) { emit hotKeyPressed(id); }

    bool handlerInstalled() const { return m_handlerInstalled; }
    const QList<quint32> &registered() const { return m_registered; }
    int registrations() const { return m_registrations; }

private:
    std::optional<QString> m_handlerFailure;
    QHash<quint32, QString> m_refusals;
    bool m_handlerInstalled = false;
    QList<quint32> m_registered;
    int m_registrations = 0;
};

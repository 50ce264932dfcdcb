#pragma once

#include <QObject>

// The global hot keys, registered while the runtime services run. The keys themselves come
// with the hot-key table; until then there is nothing to register, and this keeps only
// whether the runtime runs. Main thread only.
class ShortcutController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isRuntimeStarted READ isRuntimeStarted WRITE setIsRuntimeStarted
                   NOTIFY isRuntimeStartedChanged)

public:
    explicit ShortcutController(QObject *parent = nullptr);

    // Made on first use and never destroyed.
    static ShortcutController &shared();

    // While the runtime is not started, no hot key is registered again.
    bool isRuntimeStarted() const { return m_isRuntimeStarted; }
    void setIsRuntimeStarted(bool started);

    // Registers the keys while the runtime runs, unregisters them otherwise.
    void updateHotKeyRegistration();
    // Harmless when nothing is registered.
    void unregisterHotKeys();

signals:
    void isRuntimeStartedChanged(bool isRuntimeStarted);

private:
    bool m_isRuntimeStarted = false;
};

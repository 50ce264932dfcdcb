#pragma once

#include "menubar/HotKeyDefinition.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

// Key combinations that reach the application whatever window has the keyboard. The handler
// is what hears them; keys are registered only while it is installed. A failure is told as
// the platform words it, ready for a message: "error 10" for an error code, "error: Wayland"
// for a reason. Main thread only.
class GlobalHotKeys : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Nothing on success, else why no key can be heard.
    virtual std::optional<QString> installHandler() = 0;
    // Unregisters whatever is still registered first.
    virtual void removeHandler() = 0;
    // One entry per row, in order: empty when the row's key is now registered, else the
    // failure. A row is registered whole or not at all.
    virtual QList<QString> registerKeys(const QList<HotKeyDefinition> &rows) = 0;
    // Harmless when nothing is registered.
    virtual void unregisterKeys() = 0;

signals:
    // Once per press of a registered combination; holding it down does not repeat it.
    void hotKeyPressed(quint32 id);
    // The keyboard's layout or modifiers changed: the same letters may sit on other keys.
    void keyboardMappingChanged();
};

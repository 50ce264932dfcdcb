#pragma once

#include "core/AppConfiguration.h"
#include "core/LoginItem.h"
#include "core/ResetError.h"
#include "core/ResetFolders.h"
#include "core/ResetTargets.h"

#include <functional>
#include <optional>

class RuntimeControl;
class LogBuffer;
class SettingsRepository;

// What a factory reset works on: the application's own through forApplication, a test's
// own otherwise.
struct FactoryResetContext
{
    // Stops the runtime services in its fixed order, and starts them again after a failure.
    RuntimeControl &launch;
    SettingsRepository &defaults;
    LoginItem loginItem;
    LogBuffer &logBuffer;
    ResetFolders folders;
    // Nothing when the build carries no application id.
    std::optional<QString> bundleIdentifier;
    AppConfiguration configuration;
    // Ends the application: the last step of a reset that succeeded.
    std::function<void()> terminate;

    // The running application's: its settings store, autostart entry, log buffer, folders,
    // id and configuration; ending it leaves the event loop with status 0.
    static FactoryResetContext forApplication(RuntimeControl &launch);
};

// Returns the application to the state of a first install and ends it: stops the runtime
// services, removes the login item when it is registered, forgets every setting, deletes
// the application's own files and folders, empties the log buffer and terminates.
// Main thread only.
class FactoryReset
{
public:
    explicit FactoryReset(FactoryResetContext context);

    // On success it ends by terminating and returns nothing. Otherwise it returns why it
    // stopped: what was already done stays done, the rest is left in place, and the runtime
    // services run again when they ran before, so the user is not left without breaks.
    // Nothing is deleted unless every target is known to be safe first, and a login item
    // that cannot be removed stops the reset before anything is deleted.
    std::optional<ResetError> perform();

    // "Reset failed: " and the reason, as the user is shown it.
    static QString failureMessage(const ResetError &error);

private:
    std::optional<ResetError> resetAfterStop();
    std::optional<ResetError> unregisterLoginItem();
    // In order; the first removal that fails ends it, and later targets are not tried.
    static std::optional<ResetError> wipe(const QList<ResetTarget> &targets);

    FactoryResetContext m_context;
};

#include "core/SettingsContext.h"

SettingsContext &SettingsContext::shared()
{
    // Never destroyed: a QObject must not outlive the application object at exit.
    static auto *instance = new SettingsContext;
    return *instance;
}

#include "app/LaunchServices.h"

#include "core/AppNotifier.h"
#include "core/FileSettingsRepository.h"
#include "app/SharedRuntimeServices.h"
#include "core/SystemProviders.h"

LaunchServices LaunchServices::shared()
{
    return {
        .defaults = FileSettingsRepository::standard(),
        .runtime = SharedRuntimeServices::instance(),
        .sessionEvents = SystemProviders::sessionEvents(),
        .notifier = AppNotifier::instance(),
    };
}

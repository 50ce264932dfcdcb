#include "core/UpdateCoordinator.h"

#include "core/AppServices.h"
#include "core/UpdateService.h"

UpdateCoordinator &UpdateCoordinator::shared()
{
    static auto *instance = new UpdateCoordinator;
    return *instance;
}

void UpdateCoordinator::checkForUpdates()
{
    shared().checkForUpdates(AppServices::shared());
}

void UpdateCoordinator::checkForUpdates(const AppServices &services)
{
    services.distribution().updateService().checkForUpdates();
}

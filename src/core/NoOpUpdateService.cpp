#include "core/NoOpUpdateService.h"

void NoOpUpdateService::checkForUpdates()
{
}

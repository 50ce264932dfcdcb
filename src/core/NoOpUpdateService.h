#pragma once

#include "core/UpdateService.h"

// The update service under the test host: a check must never reach the network there.
class NoOpUpdateService : public UpdateService
{
    Q_OBJECT

public:
    using UpdateService::UpdateService;

    void checkForUpdates() override;
};

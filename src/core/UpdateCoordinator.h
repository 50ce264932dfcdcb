#pragma once

class AppServices;

// Where the menu's and the About pane's "Check for Updates…" land. It asks the update
// service of the process-wide distribution service, whatever that service is.
class UpdateCoordinator
{
public:
    UpdateCoordinator() = default;
    UpdateCoordinator(const UpdateCoordinator &) = delete;
    UpdateCoordinator &operator=(const UpdateCoordinator &) = delete;

    // Created on first use, never destroyed.
    static UpdateCoordinator &shared();
    // Asks AppServices::shared() through the shared coordinator.
    static void checkForUpdates();

    void checkForUpdates(const AppServices &services);
};

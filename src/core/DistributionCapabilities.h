#pragma once

// What a distribution channel allows. Informational: the update entry points ask the
// update service whatever these say.
struct DistributionCapabilities
{
    bool supportsAppcastUpdates = false;
    bool supportsCheckForUpdates = false;
};

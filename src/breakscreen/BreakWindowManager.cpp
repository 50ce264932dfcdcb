#include "breakscreen/BreakWindowManager.h"

#include "breakscreen/WindowManager.h"
#include "core/AppNotifier.h"

#include <utility>

namespace {

struct ScheduledBreakDetails
{
    std::optional<QString> name;
    std::optional<qint64> durationSeconds;
};

ScheduledBreakDetails &details()
{
    static ScheduledBreakDetails scheduled;
    return scheduled;
}

} // namespace

bool BreakWindowManager::presentBreak(bool isLong)
{
    WindowManager *manager = WindowManager::shared();
    // Refused before anything changes: a break on screen, or one still fading out.
    if (!manager || !manager->breakController().panels().isEmpty()
        || manager->breakController().isDismissing())
        return false;
    if (!manager->showBreak(isLong))
        return false;
    emit manager->notifier().breakWillShow();
    return true;
}

std::optional<QString> BreakWindowManager::scheduledBreakName()
{
    return details().name;
}

void BreakWindowManager::setScheduledBreakName(std::optional<QString> name)
{
    details().name = std::move(name);
}

std::optional<QString> BreakWindowManager::takeScheduledBreakName()
{
    return std::exchange(details().name, std::nullopt);
}

std::optional<qint64> BreakWindowManager::scheduledBreakDurationSeconds()
{
    return details().durationSeconds;
}

void BreakWindowManager::setScheduledBreakDurationSeconds(std::optional<qint64> seconds)
{
    details().durationSeconds = seconds;
}

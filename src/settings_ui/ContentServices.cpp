#include "settings_ui/ContentServices.h"

#include "core/AppNotifier.h"
#include "core/FileSettingsRepository.h"
#include "core/ThemeManager.h"

ContentServices ContentServices::shared()
{
    return {FileSettingsRepository::standard(), AppNotifier::instance(), ThemeManager::shared(), {}};
}

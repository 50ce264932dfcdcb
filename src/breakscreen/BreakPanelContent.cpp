#include "breakscreen/BreakPanelContent.h"

#include "breakscreen/BreakOverlayView.h"
#include "breakscreen/BreakSecondaryView.h"
#include "core/ThemeManager.h"

namespace {

ColorScheme themeScheme()
{
    return ThemeManager::shared().isDark() ? ColorScheme::dark : ColorScheme::light;
}

} // namespace

BreakPanelContent BreakPanelContent::standard()
{
    BreakPanelContent content;
    content.overlay = [](BreakScreenConfig &config, bool isLongBreak, BreakOverlayMode mode,
                         OutcomeReceiver onDismissBreak, QScreen *screen) -> QWidget * {
        return new BreakOverlayView(config, isLongBreak, mode, std::move(onDismissBreak), screen);
    };
    content.secondary = [](BreakScreenConfig &config, QScreen *screen) -> QWidget * {
        return new BreakSecondaryView(config, themeScheme(), screen);
    };
    return content;
}

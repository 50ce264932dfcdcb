#pragma once

#include "breakscreen/BreakOverlayMode.h"
#include "scheduling/BreakDismissalOutcome.h"

#include <functional>

class BreakScreenConfig;
class QScreen;
class QWidget;

// Builds what the break panels show: the break overlay with its countdown and ways out on
// the first screen (and in the customizer's preview), the quiet secondary view on every other
// screen. The application uses standard(); a test hands in views it can drive. Each view is
// built before its panel covers the screen, and is owned by the panel from then on.
struct BreakPanelContent
{
    using OutcomeReceiver = std::function<void(const BreakDismissalOutcome &)>;

    std::function<QWidget *(BreakScreenConfig &config, bool isLongBreak, BreakOverlayMode mode,
                            OutcomeReceiver onDismissBreak, QScreen *screen)>
        overlay;
    std::function<QWidget *(BreakScreenConfig &config, QScreen *screen)> secondary;

    // The overlay on the shared settings and clock; both views in the theme's colours.
    static BreakPanelContent standard();
};

#pragma once

// What the tray item says about the break timer, one case per way of saying it.
enum class MenuBarStatusKind {
    setup,
    breakInProgress,
    running,
    breakSoon,
    waitingForNaturalPause,
    manualPause,
    timedPause,
    idle,
    offHours,
    meeting,
    autoPaused,
    stopped,
};

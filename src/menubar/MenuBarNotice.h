#pragma once

// A one-time row above the menu's header.
enum class MenuBarNotice {
    // Shown once, when onboarding hands the user over to the tray item.
    onboarding,
};

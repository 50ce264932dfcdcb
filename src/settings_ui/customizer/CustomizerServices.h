#pragma once

class Clock;
class SettingsRepository;
class ThemeManager;

// What the break-screen customizer reads and writes: the user-defaults store the break
// screen loads its look from, the clock of its debounced save and of the preview's message
// of the day, and the theme its window follows. The application hands in its shared ones; a
// test its own, on a temporary store and a fake clock.
struct CustomizerServices
{
    SettingsRepository &store;
    Clock &clock;
    ThemeManager &theme;
};

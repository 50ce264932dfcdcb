#pragma once

#include <functional>

// Which page the Breaks pane shows: its main page or one of the three pages it opens in
// place of it.
enum class ScreenBreaksSubpage { main, officeHours, longBreaks, scheduledBreaks };

// How a page of the pane moves it to another page (a sub-page goes back by asking for main).
using ScreenBreaksNavigation = std::function<void(ScreenBreaksSubpage)>;

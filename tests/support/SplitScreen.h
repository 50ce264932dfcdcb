#pragma once

// Two monitors side by side on the one X screen of the test services, 1920 x 800 and
// 640 x 800 to its right, removed again however the test ends. `added` says whether both
// came and Qt sees two screens.
struct SplitScreen
{
    SplitScreen();
    ~SplitScreen();
    SplitScreen(const SplitScreen &) = delete;
    SplitScreen &operator=(const SplitScreen &) = delete;

    bool added = false;
};

#include "core/InputStateProvider.h"

#include <algorithm>

std::optional<double> InputStateProvider::idleSeconds() const
{
    if (!hasReading())
        return std::nullopt;
    return std::min(secondsSinceKeyboardActivity(), secondsSincePointerActivity());
}

std::optional<double> InputStateProvider::keyboardIdleSeconds() const
{
    if (!hasReading())
        return std::nullopt;
    return secondsSinceKeyboardActivity();
}

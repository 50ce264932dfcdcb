#pragma once

#include "core/DisplayStateProvider.h"

// A main display whose state the test sets; awake until told otherwise.
class FakeDisplayStateProvider : public DisplayStateProvider
{
public:
    bool isMainDisplayActive() const override { return m_active; }
    void setMainDisplayActive(bool active);

private:
    bool m_active = true;
};

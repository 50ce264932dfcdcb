#include "core/ThreadProbe.h"

#include <system_error>
#include <thread>

bool ThreadProbe::canStartThread()
{
    try {
        std::thread([] {}).join();
        return true;
    } catch (const std::system_error &) {
        return false;
    }
}

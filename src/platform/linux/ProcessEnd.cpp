#include "platform/linux/ProcessEnd.h"

#include <cstdio>

#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

void endProcess(int status)
{
    std::fflush(nullptr);
#if defined(__SANITIZE_ADDRESS__)
    // The leak check of a sanitized build runs from an exit handler, which _exit skips.
    __lsan_do_leak_check();
#endif
    ::_exit(status);
}

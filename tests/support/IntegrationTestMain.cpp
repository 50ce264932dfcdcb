#include "core/Logger.h"

#include <QApplication>

#include <gtest/gtest.h>

// Integration tests talk to the services that tests/services.sh starts: the X server named
// by DISPLAY, PulseAudio in XDG_RUNTIME_DIR and the private session and system buses.
int main(int argc, char **argv)
{
    setLogSink(nullptr);
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) // test discovery needs no display
        return RUN_ALL_TESTS();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

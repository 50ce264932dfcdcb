#include "core/Logger.h"
#include "support/TestServices.h"

#include <QApplication>

#include <gtest/gtest.h>

// Integration tests talk to the services that tests/services.sh starts: the X server named
// by DISPLAY, PulseAudio in XDG_RUNTIME_DIR and the private session and system buses.
// Without them every test skips (or fails, when services are required), so the binary
// must still start: it then runs on the offscreen platform and keeps away from the
// desktop's real buses.
int main(int argc, char **argv)
{
    setLogSink(nullptr);
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) // test discovery needs no display
        return RUN_ALL_TESTS();
    if (!testServicesAvailable()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", "disabled:");
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

#include "core/Logger.h"

#include <QApplication>

#include <gtest/gtest.h>

// Unit tests run on Qt's offscreen platform, with no X server, audio server or bus, and
// never in the real home folder.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "disabled:");
    setLogSink(nullptr); // lines still reach LogBuffer, where tests read them
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) // test discovery needs no display
        return RUN_ALL_TESTS();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

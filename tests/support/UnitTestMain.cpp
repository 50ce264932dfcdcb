#include "core/Logger.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Points HOME and the XDG folders into a throw-away folder, so that nothing a unit test
// does can reach the user's real files.
void useThrowAwayHome(const QTemporaryDir &folder)
{
    const QByteArray root = folder.path().toLocal8Bit();
    const std::pair<const char *, const char *> places[] = {
        {"HOME", "/home"},
        {"XDG_CONFIG_HOME", "/config"},
        {"XDG_DATA_HOME", "/data"},
        {"XDG_CACHE_HOME", "/cache"},
        {"XDG_STATE_HOME", "/state"},
        {"XDG_RUNTIME_DIR", "/runtime"},
    };
    for (const auto &[variable, place] : places) {
        const QByteArray path = root + place;
        QDir().mkpath(QString::fromLocal8Bit(path));
        qputenv(variable, path);
    }
    QFile::setPermissions(QString::fromLocal8Bit(root + "/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace

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
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    useThrowAwayHome(home);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

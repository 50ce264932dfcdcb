#include "support/TestServices.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>
#include <xcb/xcb.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

// Each service that tests/services.sh starts must be usable from inside a test process,
// through the same client libraries the application uses.

namespace {

constexpr int kDBusTimeoutMs = 5000;
constexpr int kPulseTimeoutMs = 5000;

QDBusMessage callSystemBus(const QString &service, const QString &path, const QString &interface,
                           const QString &method, const QVariantList &arguments = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(arguments);
    return QDBusConnection::systemBus().call(call, QDBus::Block, kDBusTimeoutMs);
}

// logind's ListSessions answers a(susso): id, uid, user name, seat, object path.
QMap<QString, QString> sessionPathsById(const QDBusArgument &sessions)
{
    QMap<QString, QString> result;
    sessions.beginArray();
    while (!sessions.atEnd()) {
        QString id, user, seat;
        uint uid = 0;
        QDBusObjectPath path;
        sessions.beginStructure();
        sessions >> id >> uid >> user >> seat >> path;
        sessions.endStructure();
        result.insert(id, path.path());
    }
    sessions.endArray();
    return result;
}

bool xcbRootHasProperty(xcb_connection_t *connection, const QByteArray &name)
{
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> atom(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 1, uint16_t(name.size()), name.constData()),
            nullptr),
        &free);
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return false;
    std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> property(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, screen->root, atom->atom,
                                                XCB_ATOM_WINDOW, 0, 1),
                               nullptr),
        &free);
    return property && xcb_get_property_value_length(property.get()) == sizeof(xcb_window_t);
}

struct PulseInventory
{
    bool ready = false;
    int pendingLists = 0;
    QStringList sinks;
    QStringList sources;
};

void collectSink(pa_context *, const pa_sink_info *info, int endOfList, void *userData)
{
    auto *inventory = static_cast<PulseInventory *>(userData);
    if (endOfList)
        --inventory->pendingLists;
    else if (info)
        inventory->sinks.append(QString::fromUtf8(info->name));
}

void collectSource(pa_context *, const pa_source_info *info, int endOfList, void *userData)
{
    auto *inventory = static_cast<PulseInventory *>(userData);
    if (endOfList)
        --inventory->pendingLists;
    else if (info)
        inventory->sources.append(QString::fromUtf8(info->name));
}

// A request the server refused never answers; the deadline then ends the wait.
void release(pa_operation *operation)
{
    if (operation)
        pa_operation_unref(operation);
}

// Connects the way the application's audio code does and lists the server's sinks and
// sources. Each loop turn polls for at most 50 ms, so a silent server cannot hang the test.
PulseInventory readPulseInventory()
{
    PulseInventory inventory;
    pa_mainloop *loop = pa_mainloop_new();
    pa_context *context = pa_context_new(pa_mainloop_get_api(loop), "lumenpause-services-check");
    bool listsRequested = false;
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
        const QDeadlineTimer deadline(kPulseTimeoutMs);
        while (!deadline.hasExpired()) {
            const pa_context_state_t state = pa_context_get_state(context);
            if (!PA_CONTEXT_IS_GOOD(state))
                break;
            if (state == PA_CONTEXT_READY && !listsRequested) {
                inventory.ready = true;
                inventory.pendingLists = 2;
                release(pa_context_get_sink_info_list(context, collectSink, &inventory));
                release(pa_context_get_source_info_list(context, collectSource, &inventory));
                listsRequested = true;
            }
            if (listsRequested && inventory.pendingLists == 0)
                break;
            pa_mainloop_prepare(loop, 50 * 1000);
            pa_mainloop_poll(loop);
            pa_mainloop_dispatch(loop);
        }
        pa_context_disconnect(context);
    }
    pa_context_unref(context);
    pa_mainloop_free(loop);
    return inventory;
}

QString canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

bool isInside(const QString &path, const QString &folder)
{
    return !folder.isEmpty() && path.startsWith(folder + QLatin1Char('/'));
}

QString realHomeFolder()
{
    const passwd *entry = getpwuid(getuid());
    return entry ? canonical(QString::fromLocal8Bit(entry->pw_dir)) : QString();
}

} // namespace

TEST(TestServicesIntegrationTest, QtRunsOnTheXServerWithOneWideScreenAndAWindowManager)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    ASSERT_EQ(QGuiApplication::screens().size(), 1);
    EXPECT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 2560, 800));

    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    ASSERT_NE(x11, nullptr);
    EXPECT_TRUE(xcbRootHasProperty(x11->connection(), "_NET_SUPPORTING_WM_CHECK"))
        << "no window manager has announced itself on the root window";
}

TEST(TestServicesIntegrationTest, SessionBusLetsTheProcessOwnAName)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(bus.isConnected()) << bus.lastError().message().toStdString();

    const QString name = QStringLiteral("org.lumenpause.ServicesCheck");
    ASSERT_TRUE(bus.registerService(name)) << bus.lastError().message().toStdString();
    EXPECT_TRUE(bus.interface()->isServiceRegistered(name).value());
    EXPECT_TRUE(bus.unregisterService(name));
    EXPECT_FALSE(bus.interface()->isServiceRegistered(name).value());
}

TEST(TestServicesIntegrationTest, SystemBusCarriesLogindWithTheExportedSession)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    QDBusConnection bus = QDBusConnection::systemBus();
    ASSERT_TRUE(bus.isConnected()) << bus.lastError().message().toStdString();
    const QString service = QStringLiteral("org.freedesktop.login1");
    EXPECT_TRUE(bus.interface()->isServiceRegistered(service).value());

    const QString sessionId = qEnvironmentVariable("XDG_SESSION_ID");
    ASSERT_FALSE(sessionId.isEmpty());
    const QString path = QStringLiteral("/org/freedesktop/login1");
    const QString manager = QStringLiteral("org.freedesktop.login1.Manager");

    const QDBusMessage listed =
        callSystemBus(service, path, manager, QStringLiteral("ListSessions"));
    ASSERT_EQ(listed.type(), QDBusMessage::ReplyMessage) << listed.errorMessage().toStdString();
    const QMap<QString, QString> sessions =
        sessionPathsById(listed.arguments().value(0).value<QDBusArgument>());
    ASSERT_TRUE(sessions.contains(sessionId));

    const QDBusMessage found =
        callSystemBus(service, path, manager, QStringLiteral("GetSession"), {sessionId});
    ASSERT_EQ(found.type(), QDBusMessage::ReplyMessage) << found.errorMessage().toStdString();
    EXPECT_EQ(found.arguments().value(0).value<QDBusObjectPath>().path(),
              sessions.value(sessionId));
}

TEST(TestServicesIntegrationTest, SystemBusCarriesUPower)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    QDBusConnection bus = QDBusConnection::systemBus();
    ASSERT_TRUE(bus.isConnected()) << bus.lastError().message().toStdString();

    const QString service = QStringLiteral("org.freedesktop.UPower");
    EXPECT_TRUE(bus.interface()->isServiceRegistered(service).value());
    const QDBusMessage reply =
        callSystemBus(service, QStringLiteral("/org/freedesktop/UPower"),
                      QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                      {service, QStringLiteral("OnBattery")});
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    EXPECT_EQ(reply.arguments().value(0).value<QDBusVariant>().variant().metaType(),
              QMetaType::fromType<bool>());
}

TEST(TestServicesIntegrationTest, PulseAudioServesTheNullSinkAndSource)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    const PulseInventory inventory = readPulseInventory();
    ASSERT_TRUE(inventory.ready) << "could not connect to the audio server";
    ASSERT_EQ(inventory.pendingLists, 0) << "the audio server did not finish listing devices";
    EXPECT_TRUE(inventory.sinks.contains(QStringLiteral("nullsink")))
        << inventory.sinks.join(' ').toStdString();
    EXPECT_TRUE(inventory.sources.contains(QStringLiteral("fakemic")))
        << inventory.sources.join(' ').toStdString();
}

TEST(TestServicesIntegrationTest, RunFolderIsPrivateAndTemporary)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    const QStringList variables = {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME",
                                   "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"};
    const QString runFolder = canonical(QFileInfo(qEnvironmentVariable("HOME")).path());
    const QString tempFolder = canonical(QDir::tempPath());
    const QString realHome = realHomeFolder();
    ASSERT_TRUE(isInside(runFolder, tempFolder)) << runFolder.toStdString();
    ASSERT_FALSE(runFolder == realHome || isInside(runFolder, realHome)
                 || isInside(realHome, runFolder));

    for (const QString &variable : variables) {
        const QString folder = canonical(qEnvironmentVariable(variable.toLatin1().constData()));
        EXPECT_TRUE(isInside(folder, runFolder))
            << variable.toStdString() << "=" << folder.toStdString();
    }
    struct stat runtime = {};
    ASSERT_EQ(stat(qgetenv("XDG_RUNTIME_DIR").constData(), &runtime), 0);
    EXPECT_EQ(runtime.st_mode & 0777, 0700u);

    // What the application will actually use for its files and its buses, as spelled
    // before symbolic links are resolved.
    const QString runFolderAsGiven =
        QDir::cleanPath(QFileInfo(qEnvironmentVariable("HOME")).path());
    EXPECT_TRUE(isInside(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
                         runFolderAsGiven));
    EXPECT_TRUE(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS").contains(runFolderAsGiven + '/'));
    EXPECT_TRUE(qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS").contains(runFolderAsGiven + '/'));
}

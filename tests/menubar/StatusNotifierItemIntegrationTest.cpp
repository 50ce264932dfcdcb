#include "menubar/StatusIconRenderer.h"
#include "menubar/TrayStatusItem.h"
#include "support/DBusSignalCounter.h"
#include "support/ExportedMenu.h"
#include "support/MenuBarRig.h"
#include "support/StatusNotifierWatcherMock.h"
#include "support/TestServices.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

// The tray item as a StatusNotifierItem host sees it over the session bus: it registers with
// the watcher, its tool tip and icon follow a simulated countdown, its exported menu offers
// and performs the menu's actions, and it leaves the bus during a break. The countdown runs
// on a fake clock; the item, its menu and the bus are real.

namespace {

constexpr int timeoutMs = 10000;
const QString itemPath = QStringLiteral("/StatusNotifierItem");
const QString itemInterface = QStringLiteral("org.kde.StatusNotifierItem");

class StatusNotifierItemIntegrationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!testServicesAvailable()) {
            if (testServicesRequired())
                FAIL() << missingTestServicesMessage().toStdString();
            GTEST_SKIP() << missingTestServicesMessage().toStdString();
        }
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString error = watcher.start();
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        rig = std::make_unique<MenuBarRig>(QVariantMap{{"breakInterval", qint64(2)}}, true,
                                           QDateTime(QDate(2025, 3, 4), QTime(9, 0)),
                                           [] { return std::make_unique<TrayStatusItem>(); });
        rig->timer.scheduler.start();
        rig->controller.installStatusItem();
        ASSERT_TRUE(waitForRegistration(1));
    }

    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    bool waitForRegistration(qsizetype count)
    {
        return QTest::qWaitFor(
            [&] {
                const QStringList items = watcher.registeredItems();
                item = items.size() >= count ? items.constLast() : QString();
                return !item.isEmpty();
            },
            timeoutMs);
    }

    // Our own item answers on the event loop this test runs on, so calls wait with it.
    QDBusMessage call(const QString &path, const QString &interface, const QString &method,
                      const QVariantList &arguments)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(item, path, interface, method);
        message.setArguments(arguments);
        return QDBusConnection::sessionBus().call(message, QDBus::BlockWithGui, timeoutMs);
    }

    QVariant itemProperty(const QString &name)
    {
        const QDBusMessage reply = call(itemPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                        QStringLiteral("Get"), {itemInterface, name});
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return {};
        return reply.arguments().constFirst().value<QDBusVariant>().variant();
    }

    // The title of the item's tool tip, (icon name, icons, title, text).
    QString toolTip()
    {
        const QDBusArgument argument = itemProperty(QStringLiteral("ToolTip")).value<QDBusArgument>();
        QString iconName, title, text;
        argument.beginStructure();
        argument >> iconName;
        argument.beginArray();
        while (!argument.atEnd()) {
            int width = 0, height = 0;
            QByteArray bytes;
            argument.beginStructure();
            argument >> width >> height >> bytes;
            argument.endStructure();
        }
        argument.endArray();
        argument >> title >> text;
        argument.endStructure();
        return title;
    }

    // The exported picture of that size, from its ARGB bytes in network order.
    QImage icon(int side)
    {
        const QDBusArgument argument = itemProperty(QStringLiteral("IconPixmap")).value<QDBusArgument>();
        QImage found;
        argument.beginArray();
        while (!argument.atEnd()) {
            int width = 0, height = 0;
            QByteArray bytes;
            argument.beginStructure();
            argument >> width >> height >> bytes;
            argument.endStructure();
            if (width != side || height != side || bytes.size() != side * side * 4)
                continue;
            found = QImage(side, side, QImage::Format_ARGB32);
            const auto *pixel = reinterpret_cast<const uchar *>(bytes.constData());
            for (int i = 0; i < side * side; ++i, pixel += 4)
                found.setPixel(i % side, i / side, qRgba(pixel[1], pixel[2], pixel[3], pixel[0]));
        }
        argument.endArray();
        return found;
    }

    static QImage expectedIcon(const QString &symbol, const QString &title, int side)
    {
        return StatusIconRenderer::render({symbol, title, false}, side).convertToFormat(QImage::Format_ARGB32);
    }

    // Our own item answers on the event loop this test runs on, so calls wait with it.
    MenuNode exportedMenu() { return ExportedMenu(item, QDBus::BlockWithGui).layout(); }

    bool onTheBus(const QString &name)
    {
        return QDBusConnection::sessionBus().interface()->isServiceRegistered(name).value();
    }

    StatusNotifierWatcherMock watcher;
    std::unique_ptr<MenuBarRig> rig;
    QString item;
};

} // namespace

TEST_F(StatusNotifierItemIntegrationTest, ToolTipAndIconFollowTheCountdownAcrossTheLastMinute)
{
    const QString camera = QStringLiteral("camera.macro");
    EXPECT_EQ(toolTip(), "Lumenpause: Next break in 2:00");
    EXPECT_EQ(icon(22), expectedIcon(camera, "2m", 22));
    DBusSignalCounter newIcons(item, itemPath, itemInterface, QStringLiteral("NewIcon"));
    ASSERT_TRUE(newIcons.isConnected());

    rig->timer.clock.advance(59);
    EXPECT_EQ(toolTip(), "Lumenpause: Next break in 1:01");
    rig->timer.clock.advance(1);
    EXPECT_EQ(toolTip(), "Lumenpause: Next break in 1:00");
    EXPECT_EQ(icon(16), expectedIcon(camera, "1m", 16));
    rig->timer.clock.advance(1);
    EXPECT_EQ(toolTip(), "Lumenpause: Next break in 0:59");
    EXPECT_EQ(icon(24), expectedIcon(camera, "<1m", 24));
    QTRY_COMPARE_WITH_TIMEOUT(newIcons.count(), 2, timeoutMs);

    // The last minute's seconds: the tool tip follows each one, the icon stays as it is.
    for (int second = 58; second >= 50; --second) {
        rig->timer.clock.advance(1);
        EXPECT_EQ(toolTip(), QStringLiteral("Lumenpause: Next break in 0:%1").arg(second));
    }
    EXPECT_EQ(icon(32), expectedIcon(camera, "<1m", 32));
    QCoreApplication::processEvents();
    EXPECT_EQ(newIcons.count(), 2);
}

TEST_F(StatusNotifierItemIntegrationTest, TheExportedMenuPausesForFifteenMinutes)
{
    const QStringList entries = exportedMenu().describe();
    ASSERT_GE(entries.size(), 9) << entries.join('\n').toStdString();
    EXPECT_EQ(entries.mid(0, 9),
              QStringList({"Next break in 2m (disabled)", "Lumenpause is running. (disabled)", "---",
                           "Take Break Now", "Skip Current Break", "Pause Reminders", "  15 Minutes",
                           "  30 Minutes", "  1 Hour"}))
        << entries.join('\n').toStdString();
    EXPECT_TRUE(entries.contains("  Indefinitely"));
    EXPECT_TRUE(entries.contains("Quit Lumenpause"));

    ASSERT_TRUE(ExportedMenu(item, QDBus::BlockWithGui).click(QStringLiteral("15 Minutes")));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return rig->timer.scheduler.currentPauseReason() == PauseReason::manual; }, timeoutMs));
    EXPECT_EQ(toolTip(), "Lumenpause: Paused. Resumes at 9:15 AM");
    EXPECT_EQ(icon(22), expectedIcon(QStringLiteral("pause.circle"), "15m", 22));
    EXPECT_EQ(exportedMenu().describe().mid(0, 4),
              QStringList({"Breaks paused (disabled)", "Resumes at 9:15 AM (disabled)", "---",
                           "Resume Breaks"}));
}

TEST_F(StatusNotifierItemIntegrationTest, TheItemLeavesTheBusDuringABreakAndReturnsAfter)
{
    const QString before = item;
    rig->timer.breakShowing = true;
    emit rig->timer.notifier.breakWillShow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !onTheBus(before); }, timeoutMs));

    rig->timer.breakShowing = false;
    rig->timer.scheduler.stop();
    rig->timer.scheduler.start();
    emit rig->timer.notifier.breakDidHide();
    ASSERT_TRUE(waitForRegistration(2));
    EXPECT_NE(item, before);
    EXPECT_EQ(toolTip(), "Lumenpause: Next break in 2:00");
}

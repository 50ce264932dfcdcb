#include "menubar/StatusIconRenderer.h"
#include "menubar/TrayStatusItem.h"
#include "support/DBusSignalCounter.h"
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
const QString menuPath = QStringLiteral("/MenuBar");
const QString menuInterface = QStringLiteral("com.canonical.dbusmenu");

// One entry of an exported menu with its children.
struct MenuNode
{
    int id = 0;
    QVariantMap properties;
    QList<MenuNode> children;

    QString label() const { return properties.value(QStringLiteral("label")).toString(); }
    bool enabled() const { return properties.value(QStringLiteral("enabled"), true).toBool(); }
    bool isSeparator() const { return properties.value(QStringLiteral("type")) == "separator"; }
};

const QDBusArgument &operator>>(const QDBusArgument &argument, MenuNode &node)
{
    argument.beginStructure();
    argument >> node.id >> node.properties;
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        MenuNode childNode;
        child.variant().value<QDBusArgument>() >> childNode;
        node.children.append(childNode);
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

// The menu's entries as a host shows them: labels, "(disabled)", "---", submenus indented.
QStringList describe(const MenuNode &menu, const QString &indent = {})
{
    QStringList lines;
    for (const MenuNode &child : menu.children) {
        lines.append(indent + (child.isSeparator() ? QStringLiteral("---") : child.label())
                     + (child.enabled() ? QString() : QStringLiteral(" (disabled)")));
        lines += describe(child, indent + QStringLiteral("  "));
    }
    return lines;
}

const MenuNode *findNode(const MenuNode &menu, const QString &label)
{
    for (const MenuNode &child : menu.children) {
        if (child.label() == label)
            return &child;
        if (const MenuNode *found = findNode(child, label))
            return found;
    }
    return nullptr;
}

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

    MenuNode exportedMenu()
    {
        // A host announces each opening; the menu is built afresh for it.
        call(menuPath, menuInterface, QStringLiteral("AboutToShow"), {0});
        const QDBusMessage reply = call(menuPath, menuInterface, QStringLiteral("GetLayout"),
                                        {0, -1, QStringList()});
        MenuNode root;
        if (reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == 2)
            reply.arguments().at(1).value<QDBusArgument>() >> root;
        return root;
    }

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
    const MenuNode menu = exportedMenu();
    const QStringList entries = describe(menu);
    ASSERT_GE(entries.size(), 9) << entries.join('\n').toStdString();
    EXPECT_EQ(entries.mid(0, 9),
              QStringList({"Next break in 2m (disabled)", "Lumenpause is running. (disabled)", "---",
                           "Take Break Now", "Skip Current Break", "Pause Reminders", "  15 Minutes",
                           "  30 Minutes", "  1 Hour"}))
        << entries.join('\n').toStdString();
    EXPECT_TRUE(entries.contains("  Indefinitely"));
    EXPECT_TRUE(entries.contains("Quit Lumenpause"));

    const MenuNode *fifteen = findNode(menu, QStringLiteral("15 Minutes"));
    ASSERT_NE(fifteen, nullptr);
    call(menuPath, menuInterface, QStringLiteral("Event"),
         {fifteen->id, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), 0u});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return rig->timer.scheduler.currentPauseReason() == PauseReason::manual; }, timeoutMs));
    EXPECT_EQ(toolTip(), "Lumenpause: Paused. Resumes at 9:15 AM");
    EXPECT_EQ(icon(22), expectedIcon(QStringLiteral("pause.circle"), "15m", 22));
    EXPECT_EQ(describe(exportedMenu()).mid(0, 4),
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

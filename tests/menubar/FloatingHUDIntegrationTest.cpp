#include "core/AppSettings.h"
#include "core/InMemorySettingsRepository.h"
#include "core/SystemClock.h"
#include "core/ThemeManager.h"
#include "menubar/FloatingHUD.h"
#include "menubar/HUDPlacement.h"
#include "menubar/HUDWindow.h"
#include "platform/linux/X11FloatingWindowSupport.h"
#include "platform/linux/XcbConnection.h"
#include "support/LoadAllowance.h"
#include "support/RunCommand.h"
#include "support/SplitScreen.h"
#include "support/TestServices.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>

#include <gtest/gtest.h>

// The notice against a real X server with openbox and no compositor (tests/services.sh):
// where it lands, what it lets through, how it leaves and what it is stacked above.

namespace {

constexpr int kTimeoutMs = 5000;
const QColor kBelowColour(200, 30, 40);

QString xdotool(const QStringList &arguments)
{
    return runCommand(QStringLiteral("xdotool"), arguments);
}

QString movePointer(const QPoint &point)
{
    return xdotool({"mousemove", QString::number(point.x()), QString::number(point.y())});
}

xcb_connection_t *xConnection()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t xAtom(const QByteArray &name)
{
    const XcbReply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        xConnection(), xcb_intern_atom(xConnection(), 0, uint16_t(name.size()), name.constData()),
        nullptr));
    return atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
}

XcbReply<xcb_query_tree_reply_t> xTree(xcb_window_t window)
{
    return XcbReply<xcb_query_tree_reply_t>(
        xcb_query_tree_reply(xConnection(), xcb_query_tree(xConnection(), window), nullptr));
}

// The window's frame as the X server has it, in root coordinates.
QRect xGeometry(const QWidget *window)
{
    xcb_connection_t *connection = xConnection();
    const auto id = xcb_window_t(window->winId());
    const XcbReply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr));
    const XcbReply<xcb_query_tree_reply_t> tree = xTree(id);
    if (!geometry || !tree)
        return {};
    const XcbReply<xcb_translate_coordinates_reply_t> origin(xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, id, tree->root, 0, 0), nullptr));
    return origin ? QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height) : QRect();
}

bool xViewable(const QWidget *window)
{
    const XcbReply<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
        xConnection(), xcb_get_window_attributes(xConnection(), xcb_window_t(window->winId())),
        nullptr));
    return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

quint32 xDesktop(const QWidget *window)
{
    const XcbReply<xcb_get_property_reply_t> property(xcb_get_property_reply(
        xConnection(),
        xcb_get_property(xConnection(), 0, xcb_window_t(window->winId()),
                         xAtom("_NET_WM_DESKTOP"), XCB_ATOM_CARDINAL, 0, 1),
        nullptr));
    if (!property || xcb_get_property_value_length(property.get()) != 4)
        return 0;
    return *static_cast<const quint32 *>(xcb_get_property_value(property.get()));
}

// The position in the root window's stacking order, bottom first, of the root's child that
// holds the window (the window manager's frame around it, or the window itself).
int xStackingIndex(const QWidget *window)
{
    auto id = xcb_window_t(window->winId());
    XcbReply<xcb_query_tree_reply_t> tree = xTree(id);
    while (tree && tree->parent != tree->root) {
        id = tree->parent;
        tree = xTree(id);
    }
    const XcbReply<xcb_query_tree_reply_t> root = tree ? xTree(tree->root) : nullptr;
    if (!root)
        return -1;
    const xcb_window_t *children = xcb_query_tree_children(root.get());
    const int count = xcb_query_tree_children_length(root.get());
    return int(std::find(children, children + count, id) - children);
}

// What the screen shows at a point, windows of every client included.
QColor screenPixel(const QPoint &point)
{
    QScreen *screen = QGuiApplication::screenAt(point);
    if (!screen)
        return {};
    const QPoint local = point - screen->geometry().topLeft();
    return screen->grabWindow(0, local.x(), local.y(), 1, 1).toImage().pixelColor(0, 0);
}

bool showsBelowColour(const QPoint &point)
{
    const QColor pixel = screenPixel(point);
    return std::abs(pixel.red() - kBelowColour.red()) < 8
           && std::abs(pixel.green() - kBelowColour.green()) < 8;
}

// A plain window that counts the mouse presses it receives.
class WindowBelow : public QWidget
{
public:
    WindowBelow()
    {
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, kBelowColour);
        setPalette(colours);
    }
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

// The notice on the real clock, the screen under the real pointer and the X server's
// window support.
struct LiveHUD
{
    explicit LiveHUD(const QVariantMap &stored)
        : store(stored)
        , settings(store, clock)
        , theme(themeStore, nullptr)
        , support(X11FloatingWindowSupport::open(qgetenv("DISPLAY")))
        , hud(FloatingHUDServices{settings, clock, theme, *support, nullptr,
                                  &HUDPlacement::screenUnderPointer})
    {
    }

    bool present(HUDStyle style = HUDStyle::posture)
    {
        return hud.present(style, "Sit up straight", "Roll your shoulders back", 0,
                           HUDPresentationKind::regular, false, [this] { ++dismissals; });
    }
    // The body's centre once the window has dropped into place.
    QPoint bodyCentreWhenSettled(const QRect &expectedWindow)
    {
        const bool settled = QTest::qWaitFor(
            [&] { return hud.window() && xGeometry(hud.window()) == expectedWindow; }, kTimeoutMs);
        EXPECT_TRUE(settled) << "the notice did not reach its frame";
        return expectedWindow.center();
    }

    SystemClock clock;
    InMemorySettingsRepository store;
    AppSettings settings;
    InMemorySettingsRepository themeStore;
    ThemeManager theme;
    std::unique_ptr<X11FloatingWindowSupport> support;
    FloatingHUD hud;
    int dismissals = 0;
};

} // namespace

TEST(FloatingHUDIntegrationTest, AStandardNoticeLandsCentredBelowTheTopOfThePointersScreen)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    LiveHUD live({{"hudAutoDismiss", false}});
    ASSERT_NE(live.support, nullptr);

    // One 2560 x 800 screen: body at ((2560 - 310) / 2, 150 - 56).
    ASSERT_EQ(movePointer({100, 400}), QString());
    ASSERT_TRUE(live.present());
    live.bodyCentreWhenSettled(QRect(1125 - 30, 94 - 30, 370, 116));
    EXPECT_EQ(xDesktop(live.hud.window()), 0xFFFFFFFFu) << "not kept on every desktop";

    // A 1920-wide screen with a 640-wide one to its right.
    SplitScreen split;
    ASSERT_TRUE(split.added);
    ASSERT_EQ(movePointer({500, 400}), QString());
    ASSERT_TRUE(live.present());
    live.bodyCentreWhenSettled(QRect(805 - 30, 94 - 30, 370, 116));
    ASSERT_EQ(movePointer({2000, 400}), QString());
    ASSERT_TRUE(live.present());
    live.bodyCentreWhenSettled(QRect(1920 + 165 - 30, 94 - 30, 370, 116));
}

TEST(FloatingHUDIntegrationTest, ClicksOnTheNoticeReachTheWindowBelowWhichKeepsTheFocus)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    for (const bool aboveFullscreen : {false, true}) {
        SCOPED_TRACE(aboveFullscreen ? "above full-screen windows" : "floating");
        WindowBelow below;
        below.setGeometry(900, 20, 800, 300);
        below.show();
        below.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&below, kTimeoutMs));

        LiveHUD live({{"hudAutoDismiss", false}, {"hudAboveFullscreen", aboveFullscreen}});
        ASSERT_EQ(movePointer({1280, 600}), QString());
        ASSERT_TRUE(live.present());
        const QPoint centre = live.bodyCentreWhenSettled(QRect(1095, 64, 370, 116));
        // The notice is drawn over the window below...
        ASSERT_TRUE(QTest::qWaitFor([&] { return !showsBelowColour(centre); }, kTimeoutMs));
        // ...yet the click at its centre lands there.
        ASSERT_EQ(xdotool({"mousemove", QString::number(centre.x()), QString::number(centre.y()),
                           "click", "1"}),
                  QString());
        EXPECT_TRUE(QTest::qWaitFor([&] { return below.presses == 1; }, kTimeoutMs));
        EXPECT_EQ(QGuiApplication::focusWindow(), below.windowHandle());
        EXPECT_TRUE(below.isActiveWindow());
    }
}

TEST(FloatingHUDIntegrationTest, TheNoticeFadesOutAfterTheDismissTimeAndTellsItsOwner)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    LiveHUD live({{"hudDismissSeconds", 3}});
    ASSERT_EQ(movePointer({1280, 600}), QString());
    // The count starts within present(): read before it for the shortest stay, after it for
    // the longest.
    QElapsedTimer beforePresent;
    beforePresent.start();
    ASSERT_TRUE(live.present());
    QElapsedTimer afterPresent;
    afterPresent.start();
    const QPointer<HUDWindow> window = live.hud.window();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window && xViewable(window); }, kTimeoutMs));

    // Three seconds on screen, then the 0.3 s fade. The clock's coarse timers may fire up to
    // 5 % of their interval early.
    const qint64 stayBound = withLoadAllowanceMs(3300);
    ASSERT_TRUE(QTest::qWaitFor([&] { return live.dismissals == 1; }, int(stayBound)));
    RecordProperty("stayedMs", int(afterPresent.elapsed()));
    EXPECT_GE(beforePresent.elapsed(), 3000 * 95 / 100 + 300);
    EXPECT_LE(afterPresent.elapsed(), stayBound);
    EXPECT_TRUE(window.isNull() || !xViewable(window));
}

TEST(FloatingHUDIntegrationTest, OnlyAboveFullScreenWindowsWhenTheSettingAsks)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    WindowBelow fullScreen;
    fullScreen.showFullScreen();
    fullScreen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fullScreen, kTimeoutMs));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return xGeometry(&fullScreen) == QRect(0, 0, 2560, 800); }, kTimeoutMs));
    ASSERT_EQ(movePointer({1280, 600}), QString());
    const QRect frame(1095, 64, 370, 116);

    // The window manager keeps a focused full-screen window over floating ones.
    LiveHUD floating({{"hudAutoDismiss", false}, {"hudAboveFullscreen", false}});
    ASSERT_TRUE(floating.present());
    const QPoint centre = floating.bodyCentreWhenSettled(frame);
    ASSERT_TRUE(QTest::qWaitFor([&] { return xViewable(floating.hud.window()); }, kTimeoutMs));
    // Stacked once mapped: below the full-screen window, which keeps the screen.
    EXPECT_LT(xStackingIndex(floating.hud.window()), xStackingIndex(&fullScreen));
    EXPECT_TRUE(showsBelowColour(centre));
    floating.hud.dismiss(true);

    LiveHUD above({{"hudAutoDismiss", false}, {"hudAboveFullscreen", true}});
    ASSERT_TRUE(above.present());
    above.bodyCentreWhenSettled(frame);
    EXPECT_GT(xStackingIndex(above.hud.window()), xStackingIndex(&fullScreen));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !showsBelowColour(centre); }, kTimeoutMs));
    EXPECT_TRUE(fullScreen.isActiveWindow());
}

TEST(FloatingHUDIntegrationTest, ACompositorCountsWhileItHoldsItsSelection)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    const std::unique_ptr<X11FloatingWindowSupport> support =
        X11FloatingWindowSupport::open(qgetenv("DISPLAY"));
    ASSERT_NE(support, nullptr);
    EXPECT_FALSE(support->isCompositing());

    // Stand in for a compositor starting: own _NET_WM_CM_S0 with a window of our own.
    xcb_connection_t *connection = xConnection();
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_window_t owner = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, owner, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_set_selection_owner(connection, owner, xAtom("_NET_WM_CM_S0"), XCB_CURRENT_TIME);
    xcb_flush(connection);
    EXPECT_TRUE(QTest::qWaitFor([&] { return support->isCompositing(); }, kTimeoutMs));

    // ...and stopping.
    xcb_destroy_window(connection, owner);
    xcb_flush(connection);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !support->isCompositing(); }, kTimeoutMs));
}

#include "breakscreen/BreakScreenConfig.h"
#include "settings_ui/components/BackButton.h"
#include "settings_ui/components/ScrollToFocus.h"
#include "settings_ui/components/TileButton.h"
#include "settings_ui/customizer/BreakScreenCustomizeView.h"
#include "settings_ui/panes/breaks/PlannedBreakSheet.h"
#include "settings_ui/panes/breaks/ScreenBreaksDetailView.h"
#include "support/BreaksPaneFixture.h"
#include "settings_ui/window/DetailView.h"
#include "settings_ui/window/SidebarButtonView.h"
#include "support/InkContrast.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

// The settings window and the customizer driven from the keyboard: Return on buttons, the
// way into and out of the Breaks pane's sub-pages, what Tab stops on and the rings it shows.

namespace {

using Page = ScreenBreaksSubpage;

class KeyboardTest : public BreaksPaneFixture
{
protected:
    // A fresh window on the Breaks pane's `page`.
    void open(Page page)
    {
        view.reset();
        BreaksPaneRig::settle();
        openSubpage(page);
        QApplication::setActiveWindow(view.get());
    }

    ScreenBreaksDetailView *pane() const { return BreaksPaneRig::pane(*view); }
    static QWidget *focused() { return QApplication::focusWidget(); }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focused(), key, modifiers);
        BreaksPaneRig::settle();
    }
    // Focus `widget` as Tab brings it.
    static void tabTo(QWidget *widget)
    {
        QApplication::setActiveWindow(widget->window());
        widget->clearFocus();
        widget->setFocus(Qt::TabFocusReason);
    }
    static bool ringShows(QWidget *widget)
    {
        auto *button = qobject_cast<TileButton *>(widget);
        return button && button->showsFocusRing();
    }
    PlannedBreakSheet *openSheet()
    {
        open(Page::scheduledBreaks);
        control<QAbstractButton>("plannedBreaks.add")->click();
        BreaksPaneRig::settle();
        return view->findChild<PlannedBreakSheet *>();
    }
};

// What Tab stops on in `start`'s window, once round from `start`.
QList<QWidget *> tabRound(QWidget *start)
{
    QList<QWidget *> stops;
    start->clearFocus();
    start->setFocus(Qt::TabFocusReason);
    for (QWidget *at = start; stops.size() < 100; at = QApplication::focusWidget()) {
        stops.append(at);
        QTest::keyClick(at, Qt::Key_Tab);
        // Back at the start, or held where a control keeps Tab for itself.
        if (QApplication::focusWidget() == start || QApplication::focusWidget() == at)
            break;
    }
    return stops;
}

// How the keyboard's ring shows on `control`: at the middle of each side, scanning inwards,
// the widest run of pixels whose look with the ring stands out from their look without it at
// 3:1 or more; the narrowest of the four.
int ringWidth(QWidget *control)
{
    QWidget *window = control->window();
    const QRect area(control->mapTo(window, QPoint()), control->size());
    control->clearFocus();
    control->setFocus(Qt::TabFocusReason);
    const QImage with = window->grab(area).toImage();
    control->clearFocus();
    const QImage without = window->grab(area).toImage();
    const auto stands = [&](int x, int y) {
        QImage pixel(1, 1, QImage::Format_RGB32);
        pixel.setPixel(0, 0, without.pixel(x, y));
        return InkContrast::worst(pixel, QColor(with.pixel(x, y)), QRect(0, 0, 1, 1)) >= 3.0;
    };
    const int w = with.width(), h = with.height();
    const std::pair<QPoint, QPoint> scans[] = {{{0, h / 2}, {1, 0}},
                                               {{w - 1, h / 2}, {-1, 0}},
                                               {{w / 2, 0}, {0, 1}},
                                               {{w / 2, h - 1}, {0, -1}}};
    int narrowest = w + h;
    for (const auto &[from, step] : scans) {
        int run = 0, widest = 0;
        for (QPoint at = from; at != QPoint(w / 2, h / 2) && with.rect().contains(at); at += step) {
            run = stands(at.x(), at.y()) ? run + 1 : 0;
            widest = std::max(widest, run);
        }
        narrowest = std::min(narrowest, widest);
    }
    return narrowest;
}

} // namespace

// Return and keypad Enter press the focused button as Space does: down while the key is, the
// button's action as it comes up.
TEST_F(KeyboardTest, ReturnAndKeypadEnterPressEachKindOfButtonAsSpaceDoes)
{
    struct Case
    {
        const char *what;
        Page page;
        std::function<QAbstractButton *()> button;
        std::function<bool()> done;
    };
    const auto named = [this](const char *name) { return [this, name] { return control<QAbstractButton>(name); }; };
    int customizeClicks = 0;
    const Case cases[] = {
        {"a sidebar row", Page::main, named("section:General"),
         [&] { return view->selectedSection() == SidebarSection::general; }},
        {"Customize break screen", Page::main,
         [&] {
             auto *row = control<QAbstractButton>("breaks.customize");
             QObject::connect(row, &QAbstractButton::clicked, [&] { ++customizeClicks; });
             return row;
         },
         [&] { return customizeClicks == 1; }},
        {"a row opening a sub-page", Page::main, named("breaks.officeHours"),
         [&] { return pane()->subpage() == Page::officeHours; }},
        {"an enforcement card", Page::main, named("enforcement:Hardcore"),
         [&] { return rig.settings.enforcement() == "Hardcore"; }},
        {"a radio row", Page::longBreaks, named("longBreakResume:confirm"),
         [&] { return rig.settings.longBreakResume() == "confirm"; }},
        {"a switch", Page::longBreaks, named("longBreaksEnabled"), [&] { return !rig.settings.longBreaksEnabled(); }},
        {"Add", Page::scheduledBreaks, named("plannedBreaks.add"),
         [&] { return view->findChild<PlannedBreakSheet *>() != nullptr; }},
        {"Add Break", Page::scheduledBreaks,
         [&] { return openSheet()->findChild<QAbstractButton *>("confirm"); },
         [&] { return view->findChild<PlannedBreakSheet *>()->showsNameError(); }},
    };
    for (const auto &[key, modifiers] : {std::pair{Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}}) {
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(c.what) + (key == Qt::Key_Enter ? ", keypad Enter" : ", Return"));
            rig.settings.setEnforcement("Casual");
            rig.settings.setLongBreaksEnabled(true);
            rig.settings.setLongBreakResume("auto");
            customizeClicks = 0;
            open(c.page);
            QAbstractButton *button = c.button();
            ASSERT_NE(button, nullptr);
            tabTo(button);
            QTest::keyPress(button, key, modifiers);
            EXPECT_TRUE(button->isDown());
            EXPECT_FALSE(c.done()) << "not before the key comes up";
            QTest::keyRelease(button, key, modifiers);
            BreaksPaneRig::settle();
            EXPECT_TRUE(c.done());
            if (auto *sheet = view->findChild<PlannedBreakSheet *>())
                sheet->close();
        }
    }
}

TEST_F(KeyboardTest, TheCustomizersTilesSwitchesAndBackButtonAnswerReturnToo)
{
    int backs = 0;
    BreakScreenCustomizeView customizer({rig.store, rig.clock, rig.theme}, BreakScreenConfig::load(rig.store),
                                         [&] { ++backs; });
    customizer.resize(1180, 800);
    customizer.show();
    tabTo(customizer.findChild<QWidget *>("break.background:Nature"));
    press(Qt::Key_Return);
    EXPECT_EQ(customizer.config().background(), BreakBG::nature);
    tabTo(customizer.findChild<QWidget *>("break.showSkip"));
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(customizer.config().showSkip());
    tabTo(customizer.findChild<QWidget *>("customizer.back"));
    press(Qt::Key_Return);
    EXPECT_EQ(backs, 1);
}

TEST_F(KeyboardTest, ReturnKeepsItsOwnMeaningInFieldsWithOtherKeysAndInWindowsNotOurs)
{
    // In the sheet's name field Return saves nothing: the sheet has no default button.
    PlannedBreakSheet *sheet = openSheet();
    auto *name = sheet->findChild<QLineEdit *>("name");
    tabTo(name);
    QTest::keyClicks(name, "Lunch");
    press(Qt::Key_Return);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_FALSE(sheet->attemptedSave());
    sheet->close();

    // Ctrl+Return or Shift+Enter is another command, not a press.
    open(Page::main);
    tabTo(control<QWidget>("enforcement:Hardcore"));
    press(Qt::Key_Return, Qt::ControlModifier);
    press(Qt::Key_Enter, Qt::KeypadModifier | Qt::ShiftModifier);
    EXPECT_EQ(rig.settings.enforcement(), "Casual");

    // A window of another part of the application keeps Qt's keys.
    BackButton elsewhere;
    elsewhere.show();
    QSignalSpy clicks(&elsewhere, &QAbstractButton::clicked);
    tabTo(&elsewhere);
    press(Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 0);
    press(Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
}

// Each sub-page opened from the keyboard takes the focus on its first control, its back
// button, and hands it back to the row that opened it on Escape, Alt+Left or its back button,
// the ring showing all the way. Opened by a click, the focus goes there without a ring.
TEST_F(KeyboardTest, SubPagesTakeTheFocusAndGiveItBackToTheRowThatOpenedThem)
{
    struct Way
    {
        Page page;
        const char *row;
        Qt::Key back;
        Qt::KeyboardModifiers modifiers;
    };
    const Way ways[] = {{Page::officeHours, "breaks.officeHours", Qt::Key_Escape, Qt::NoModifier},
                        {Page::longBreaks, "breaks.longBreaks", Qt::Key_Left, Qt::AltModifier},
                        {Page::scheduledBreaks, "breaks.scheduledBreaks", Qt::Key_Return, Qt::NoModifier}};
    open(Page::main);
    for (const Way &way : ways) {
        SCOPED_TRACE(way.row);
        tabTo(control<QWidget>(way.row));
        press(Qt::Key_Return);
        ASSERT_EQ(pane()->subpage(), way.page);
        ASSERT_NE(focused(), nullptr);
        EXPECT_EQ(focused()->objectName(), "back");
        EXPECT_TRUE(pane()->page()->isAncestorOf(focused()));
        EXPECT_TRUE(ringShows(focused()));
        press(way.back, way.modifiers);
        EXPECT_EQ(pane()->subpage(), Page::main);
        ASSERT_NE(focused(), nullptr);
        EXPECT_EQ(focused()->objectName(), way.row);
        EXPECT_TRUE(ringShows(focused()));
    }

    QTest::mouseClick(control<QWidget>("breaks.longBreaks"), Qt::LeftButton);
    BreaksPaneRig::settle();
    EXPECT_EQ(focused()->objectName(), "back");
    EXPECT_FALSE(ringShows(focused())) << "a click brings no ring";
    // Escape where the pane is not: the page stays.
    tabTo(control<QWidget>("section:Media"));
    press(Qt::Key_Escape);
    EXPECT_EQ(pane()->subpage(), Page::longBreaks);
    // On the main page Escape has nothing to do.
    open(Page::main);
    tabTo(control<QWidget>("breaks.officeHours"));
    press(Qt::Key_Escape);
    EXPECT_EQ(pane()->subpage(), Page::main);
    EXPECT_EQ(focused()->objectName(), "breaks.officeHours");
}

TEST_F(KeyboardTest, EveryStopOfTabHasANameAndNoScrollAreaIsOne)
{
    const auto check = [](const QList<QWidget *> &stops) {
        EXPECT_GE(stops.size(), 3);
        for (QWidget *stop : stops) {
            SCOPED_TRACE(stop->objectName().toStdString() + " " + stop->metaObject()->className());
            EXPECT_EQ(qobject_cast<QAbstractScrollArea *>(stop), nullptr);
            EXPECT_FALSE(QAccessible::queryAccessibleInterface(stop)->text(QAccessible::Name).isEmpty());
        }
    };
    for (Page page : {Page::main, Page::officeHours, Page::longBreaks, Page::scheduledBreaks}) {
        open(page);
        check(tabRound(control<QWidget>("section:Breaks")));
    }
    BreakScreenCustomizeView customizer({rig.store, rig.clock, rig.theme}, BreakScreenConfig::load(rig.store), [] {});
    customizer.resize(1180, 800);
    customizer.show();
    QApplication::setActiveWindow(&customizer);
    check(tabRound(customizer.findChild<QWidget *>("customizer.back")));
}

// The sidebar's rows are one stop of Tab, as a group of radio buttons is: Tab and Shift+Tab
// enter the list on the selected row, and leave it from whichever row has the focus, for the
// pane or (backwards) for the window's last stop; the arrows move among the rows with the
// ring, stopping at either end, and choose nothing until Space does.
TEST_F(KeyboardTest, TheSidebarIsOneStopEnteredOnTheSelectedRowAndWalkedByTheArrows)
{
    open(Page::main);
    const auto where = [this] {
        QWidget *at = focused();
        if (!at)
            return std::string("nowhere");
        if (view->detail()->isAncestorOf(at))
            return std::string("pane");
        return at->objectName().toStdString() + (ringShows(at) ? "" : " (no ring)");
    };
    const std::pair<Qt::Key, const char *> steps[] = {
        {Qt::Key_Tab, "pane"},
        {Qt::Key_Backtab, "section:Breaks"},
        {Qt::Key_Down, "section:Smart Behavior"},
        {Qt::Key_Up, "section:Breaks"},
        {Qt::Key_Up, "section:General"},
        {Qt::Key_Up, "section:General"},
        {Qt::Key_Tab, "pane"},
        {Qt::Key_Backtab, "section:Breaks"},
        {Qt::Key_Left, "section:General"},
        {Qt::Key_Backtab, "pane"},
        {Qt::Key_Tab, "section:Breaks"},
        {Qt::Key_Right, "section:Smart Behavior"},
        {Qt::Key_Tab, "pane"},
    };
    tabTo(control<QWidget>("section:Breaks"));
    for (const auto &[key, expected] : steps) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString() + " to " + expected);
        press(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(where(), expected);
    }
    EXPECT_EQ(view->selectedSection(), SidebarSection::breaks) << "moving is not choosing";

    // Down to the last row, which holds it; Space there makes it the list's stop.
    tabTo(control<QWidget>("section:Breaks"));
    for (int row = 0; row < 12; ++row)
        press(Qt::Key_Down);
    EXPECT_EQ(where(), "section:About");
    press(Qt::Key_Space);
    EXPECT_EQ(view->selectedSection(), SidebarSection::about);
    press(Qt::Key_Tab);
    EXPECT_EQ(where(), "pane");
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(where(), "section:About");

    // Once round the window, the list is one stop among the pane's.
    QStringList rows;
    for (QWidget *stop : tabRound(control<QWidget>("section:About")))
        if (qobject_cast<SidebarButtonView *>(stop))
            rows.append(stop->objectName());
    EXPECT_EQ(rows, QStringList({"section:About"}));
}

// The ring stands out at 3:1 from what it covers, 2 pixels wide at least, in the light and
// the dark scheme, also on the selected sidebar row's accent and on the selected enforcement
// card, whose accent border it must not merge with.
TEST_F(KeyboardTest, TheFocusRingStandsOutOnSelectedAndUnselectedControls)
{
    const std::pair<SidebarSection, const char *> controls[] = {
        {SidebarSection::breaks, "section:Breaks"},        {SidebarSection::breaks, "section:Wellness"},
        {SidebarSection::breaks, "enforcement:Casual"},    {SidebarSection::breaks, "enforcement:Balanced"},
        {SidebarSection::breaks, "breaks.officeHours"},    {SidebarSection::notifications, "hudStyle.standard"},
        {SidebarSection::meetings, "meetingAfterBehavior.adjust"},
    };
    for (const AppTheme theme : {AppTheme::light, AppTheme::dark}) {
        rig.theme.setAppTheme(theme);
        for (const auto &[section, name] : controls) {
            SCOPED_TRACE(std::string(name) + (theme == AppTheme::dark ? " dark" : " light"));
            open(Page::main);
            view->setSelectedSection(section);
            BreaksPaneRig::settle();
            QWidget *target = control<QWidget>(name);
            ScrollToFocus::reveal(target);
            EXPECT_GE(ringWidth(target), 2);
        }
    }
}

// A row's ring runs in its margins, clear of the radio mark, the symbols and the letters.
TEST_F(KeyboardTest, TheRingOfARowLeavesItsContentWhole)
{
    const std::pair<SidebarSection, const char *> rows[] = {
        {SidebarSection::notifications, "hudStyle.compact"},
        {SidebarSection::breaks, "breaks.longBreaks"},
    };
    for (const auto &[section, name] : rows) {
        SCOPED_TRACE(name);
        open(Page::main);
        view->setSelectedSection(section);
        BreaksPaneRig::settle();
        QWidget *row = control<QWidget>(name);
        ScrollToFocus::reveal(row);
        // Only what the row itself paints, on a clear ground.
        const auto paint = [row] {
            QImage image(row->size(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            row->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
            return image;
        };
        row->clearFocus();
        const QImage without = paint();
        tabTo(row);
        const QImage with = paint();
        // The row draws no ground of its own: every pixel it painted is content.
        int touched = 0;
        for (int y = 0; y < without.height(); ++y)
            for (int x = 0; x < without.width(); ++x)
                touched += qAlpha(without.pixel(x, y)) > 0 && with.pixel(x, y) != without.pixel(x, y);
        EXPECT_EQ(touched, 0);
    }
}

// A slider's ring circles its knob whole, inside the slider: 2 pixels wide all round, less
// where it crosses the filled groove, standing out at 3:1 from what it covers. A click brings
// no ring.
TEST_F(KeyboardTest, TheVolumeSlidersKnobShowsTheRingWhole)
{
    for (const AppTheme theme : {AppTheme::light, AppTheme::dark}) {
        SCOPED_TRACE(theme == AppTheme::dark ? "dark" : "light");
        rig.theme.setAppTheme(theme);
        open(Page::main);
        view->setSelectedSection(SidebarSection::notifications);
        BreaksPaneRig::settle();
        QWidget *slider = control<QWidget>("notificationSoundVolume");
        ScrollToFocus::reveal(slider);
        QWidget *window = slider->window();
        const QRect area(slider->mapTo(window, QPoint()), slider->size());
        const auto standingOut = [&](Qt::FocusReason reason) {
            slider->clearFocus();
            const QImage without = window->grab(area).toImage();
            slider->setFocus(reason);
            const QImage with = window->grab(area).toImage();
            int count = 0;
            bool onTheEdge = false;
            for (int y = 0; y < with.height(); ++y) {
                for (int x = 0; x < with.width(); ++x) {
                    QImage pixel(1, 1, QImage::Format_RGB32);
                    pixel.setPixel(0, 0, without.pixel(x, y));
                    if (InkContrast::worst(pixel, QColor(with.pixel(x, y)), QRect(0, 0, 1, 1)) < 3.0)
                        continue;
                    ++count;
                    onTheEdge |= y == 0 || y == with.height() - 1;
                }
            }
            return std::pair(count, onTheEdge);
        };
        const auto [ringPixels, clipped] = standingOut(Qt::TabFocusReason);
        EXPECT_GE(ringPixels, 60);
        EXPECT_FALSE(clipped) << "the ring runs off the slider's top or foot";
        EXPECT_EQ(standingOut(Qt::MouseFocusReason).first, 0);
    }
}

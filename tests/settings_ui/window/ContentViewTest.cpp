#include "settings_ui/components/Debouncer.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/window/ContentView.h"
#include "settings_ui/window/DetailView.h"
#include "settings_ui/window/SettingsPanes.h"
#include "settings_ui/window/SettingsSidebar.h"
#include "settings_ui/window/SettingsSidebarFooterView.h"
#include "settings_ui/window/SidebarBreaksHeader.h"
#include "settings_ui/window/SidebarButtonView.h"
#include "support/BreakScreenRig.h"
#include "support/SettingsPaneFixture.h"

#include <QAbstractAnimation>
#include <QAccessible>
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

class ContentViewTest : public SettingsPaneFixture
{
protected:
    ContentServices services()
    {
        return rig.services([this](std::function<void()> dismiss) {
            this->dismiss = std::move(dismiss);
            ++flowsMade;
            return new QWidget;
        });
    }

    // A window on screen at its usual size.
    std::unique_ptr<ContentView> openWindow()
    {
        auto view = std::make_unique<ContentView>(services());
        view->resize(880, 820);
        view->show();
        return view;
    }

    static void click(ContentView &view, SidebarSection section)
    {
        QTest::mouseClick(view.sidebar()->row(section), Qt::LeftButton);
        BreakScreenRig::flushDeletions();
    }

    // A section without its pane yet shows its title; one with a pane counts as showing its
    // title when the pane is the section's own.
    static QString shownTitle(ContentView &view)
    {
        QWidget *pane = view.detail()->pane();
        if (auto *label = qobject_cast<QLabel *>(pane))
            return label->text();
        const SidebarSection section = view.detail()->section();
        return pane && SettingsPanes::factory(section) ? sidebarSectionRawValue(section) : QString();
    }

    std::function<void()> dismiss;
    int flowsMade = 0;
};

} // namespace

TEST_F(ContentViewTest, TheFlowCoversTheWindowUntilOnboardingIsDoneAndComesBackWhenAsked)
{
    for (const bool onboarded : {false, true}) {
        SCOPED_TRACE(onboarded);
        rig.store.setBool("hasCompletedOnboarding", onboarded);
        flowsMade = 0;
        const auto view = openWindow();
        EXPECT_EQ(view->showOnboarding(), !onboarded);
        EXPECT_EQ(flowsMade, onboarded ? 0 : 1);
        if (view->onboarding()) {
            // Laid over the whole shell: what a click in the sidebar would hit is the flow.
            EXPECT_EQ(view->onboarding()->geometry(), view->rect());
            EXPECT_EQ(view->childAt(QPoint(60, 100)), view->onboarding());
        } else {
            EXPECT_TRUE(view->sidebar()->isAncestorOf(view->childAt(QPoint(60, 100))));
        }
    }

    rig.store.setBool("hasCompletedOnboarding", true);
    const auto view = openWindow();
    QSignalSpy changes(view.get(), &ContentView::showOnboardingChanged);
    emit rig.notifier.showOnboarding(); // over a window already on screen
    emit rig.notifier.showOnboarding(); // asking twice makes one flow
    ASSERT_NE(view->onboarding(), nullptr);
    EXPECT_EQ(flowsMade, 1);
    EXPECT_TRUE(view->onboarding()->isVisible());
    EXPECT_EQ(changes.count(), 1);

    // The flow closes itself; its widget goes with the next pass of the event loop.
    const QPointer<QWidget> flow = view->onboarding();
    dismiss();
    EXPECT_FALSE(view->showOnboarding());
    EXPECT_EQ(view->onboarding(), nullptr);
    BreakScreenRig::flushDeletions();
    EXPECT_TRUE(flow.isNull());
    EXPECT_EQ(changes.count(), 2);
    for (const QAbstractAnimation *animation : view->findChildren<QAbstractAnimation *>())
        EXPECT_NE(animation->state(), QAbstractAnimation::Running);
}

TEST_F(ContentViewTest, OpensOnBreaksShowsEachRowsSectionAndKeepsTheLastChoiceAcrossAReopen)
{
    const auto view = openWindow();
    EXPECT_EQ(view->selectedSection(), SidebarSection::breaks);
    EXPECT_EQ(shownTitle(*view), "Breaks");
    EXPECT_EQ(view->minimumSize(), QSize(880, 500));
    EXPECT_EQ(view->sidebar()->width(), 220);

    for (const QList<SidebarSection> &group : sidebarGroups()) {
        for (SidebarSection section : group) {
            SCOPED_TRACE(sidebarSectionRawValue(section).toStdString());
            click(*view, section);
            EXPECT_EQ(view->selectedSection(), section);
            EXPECT_EQ(view->detail()->section(), section);
            // A section with a pane of its own shows that pane; the others their title.
            if (SettingsPanes::factory(section)) {
                EXPECT_NE(view->detail()->pane(), nullptr);
            } else {
                EXPECT_EQ(shownTitle(*view), sidebarSectionRawValue(section));
            }
            EXPECT_TRUE(view->sidebar()->row(section)->isSelected());
        }
    }
    EXPECT_EQ(view->sidebar()->row(SidebarSection::debug), nullptr) << "no row leads to Debug";

    // Clicking the selected row changes nothing: the same pane stays.
    click(*view, SidebarSection::media);
    const QPointer<QWidget> pane = view->detail()->pane();
    QSignalSpy changes(view.get(), &ContentView::selectedSectionChanged);
    click(*view, SidebarSection::media);
    EXPECT_EQ(view->detail()->pane(), pane.data());
    EXPECT_EQ(changes.count(), 0);

    // The window is kept when closed; shown again, it is where the user left it.
    view->hide();
    view->show();
    EXPECT_EQ(view->selectedSection(), SidebarSection::media);
    EXPECT_EQ(view->detail()->pane(), pane.data());

    // Debug is never listed; chosen anyway, it shows nothing but the padding.
    view->setSelectedSection(SidebarSection::debug);
    EXPECT_EQ(view->detail()->pane(), nullptr);
}

TEST_F(ContentViewTest, ASectionChosenAgainStartsAFreshPaneAtTheTop)
{
    const auto view = openWindow();
    click(*view, SidebarSection::general);
    // A pane far taller than the window, scrolled to its foot.
    DetailView *first = view->detail();
    auto *tall = new QWidget;
    tall->setFixedHeight(4000);
    static_cast<QVBoxLayout *>(first->widget()->layout())->insertWidget(1, tall);
    tall->show();
    QApplication::processEvents();
    first->verticalScrollBar()->setValue(first->verticalScrollBar()->maximum());
    ASSERT_GT(first->verticalScrollBar()->value(), 0);
    const QPointer<QWidget> firstPane = first->pane();

    click(*view, SidebarSection::about);
    click(*view, SidebarSection::general);
    EXPECT_TRUE(firstPane.isNull()) << "leaving a pane destroys it";
    EXPECT_EQ(view->detail()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(shownTitle(*view), "General");
}

TEST_F(ContentViewTest, ThePausedBadgeShowsOnlyWhileBreaksArePausedByHand)
{
    BreakScheduler &timer = rig.timer.scheduler;
    const auto view = openWindow();
    SidebarBreaksHeader *header = view->sidebar()->breaksHeader();
    struct Step
    {
        const char *what;
        std::function<void()> act;
        bool badge;
    };
    const Step timeline[] = {
        {"running", [] {}, false},
        {"meeting pause", [&] { timer.pause(PauseReason::meeting); }, false},
        {"manual pause on top", [&] { timer.pause(PauseReason::manual); }, true},
        {"meeting ends", [&] { timer.resume(PauseReason::meeting); }, true},
        {"manual pause ends", [&] { timer.resume(PauseReason::manual); }, false},
        {"office hours and idle", [&] {
             timer.pause(PauseReason::officeHours);
             timer.pause(PauseReason::idle);
         }, false},
    };
    for (const Step &step : timeline) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(header->showsBadge(), step.badge);
    }
}

TEST_F(ContentViewTest, LightDarkAndSystemRestyleTheOpenWindowAtOnce)
{
    rig.desktop.setPrefersDark(false);
    const auto view = openWindow();
    QWidget *row = view->sidebar()->row(SidebarSection::wellness);
    // What the sidebar paints at its top corner tells the scheme it was drawn in.
    const auto sidebarIsDark = [&] {
        return view->sidebar()->grab().toImage().pixelColor(4, 4).lightness() < 128;
    };
    struct Step
    {
        std::optional<AppTheme> theme;
        std::optional<bool> desktopDark;
        ColorScheme expected;
    };
    const Step steps[] = {
        {std::nullopt, std::nullopt, ColorScheme::light}, // System on a light desktop
        {std::nullopt, true, ColorScheme::dark},          // the desktop turns dark
        {AppTheme::light, std::nullopt, ColorScheme::light},
        {std::nullopt, false, ColorScheme::light},        // forced: the desktop is not followed
        {AppTheme::dark, std::nullopt, ColorScheme::dark},
        {AppTheme::system, std::nullopt, ColorScheme::light},
        {std::nullopt, true, ColorScheme::dark},
    };
    for (const Step &step : steps) {
        if (step.theme)
            rig.theme.setAppTheme(*step.theme);
        if (step.desktopDark)
            rig.desktop.setPrefersDark(step.desktopDark);
        EXPECT_EQ(SettingsPalette::schemeOf(row), step.expected);
        EXPECT_EQ(sidebarIsDark(), step.expected == ColorScheme::dark);
    }
}

TEST_F(ContentViewTest, TheFooterShowsTheVersionOrUnknown)
{
    const std::pair<QVariantMap, const char *> cases[] = {
        {{}, "vUnknown"},
        {{{"CFBundleShortVersionString", " \n "}}, "vUnknown"},
        {{{"CFBundleShortVersionString", 3}}, "vUnknown"},
        {{{"CFBundleShortVersionString", " 1.8.0\n"}}, "v1.8.0"},
    };
    for (const auto &[info, shown] : cases) {
        rig.info = info;
        ContentView view(services());
        EXPECT_EQ(view.sidebar()->footer()->shownVersion(), shown);
    }
}

TEST_F(ContentViewTest, OpeningTheWindowAndVisitingEverySectionWritesNoSetting)
{
    const QByteArray before = rig.settingsFile();
    ASSERT_FALSE(before.isEmpty());
    {
        const auto view = openWindow();
        for (SidebarSection section : allSidebarSections())
            view->setSelectedSection(section);
        view->hide();
    }
    BreakScreenRig::flushDeletions();
    EXPECT_EQ(rig.settingsFile(), before);
}

TEST_F(ContentViewTest, AHiddenWindowLeavesNoTimerAnimationOrClockWorkRunning)
{
    Motion::setJumpToEnd(false);
    const auto view = openWindow();
    // Mid-way through a section's cross-fade and a row's selection, under the pointer, with
    // a save pending in the pane.
    view->setSelectedSection(SidebarSection::general);
    int saves = 0;
    auto *save = new Debouncer(rig.clock, 0.3, [&] { ++saves; }, view->detail()->pane());
    save->call();
    QWidget *row = view->sidebar()->row(SidebarSection::media);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(row, &enter);
    const auto running = [&] {
        int count = 0;
        for (const QAbstractAnimation *animation : view->findChildren<QAbstractAnimation *>())
            count += animation->state() == QAbstractAnimation::Running;
        for (const QTimer *timer : view->findChildren<QTimer *>())
            count += timer->isActive();
        return count;
    };
    ASSERT_GT(running(), 0);
    ASSERT_EQ(rig.clock.scheduledBlocks().size(), 1);

    view->hide();
    EXPECT_EQ(running(), 0);
    EXPECT_TRUE(rig.clock.scheduledBlocks().isEmpty());
    EXPECT_EQ(saves, 1) << "the pending save ran as the window hid";
}

// Under the flow the window's own content is out of reach: no screen reader finds it, Tab
// never lands in it. It is back when the flow goes, and gone again when the flow is asked
// for over a window already on screen.
TEST_F(ContentViewTest, WhileTheFlowShowsNothingBeneathItIsExposedOrReachableByTab)
{
    rig.store.setBool("hasCompletedOnboarding", false);
    const auto view = openWindow();
    QApplication::setActiveWindow(view.get());
    const auto reachable = [&] {
        QStringList found;
        for (QWidget *widget : view->shell()->findChildren<QWidget *>()) {
            QAccessibleInterface *node = QAccessible::queryAccessibleInterface(widget);
            if (node && !node->state().invisible && widget->focusPolicy() != Qt::NoFocus)
                found.append(node->text(QAccessible::Name));
        }
        return found;
    };
    const auto tabbedIntoShell = [&] {
        for (int press = 0; press < 5; ++press) {
            QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : view.get();
            QTest::keyClick(focus, Qt::Key_Tab);
            if (view->shell()->isAncestorOf(QApplication::focusWidget()))
                return true;
        }
        return false;
    };

    EXPECT_EQ(reachable(), QStringList()) << "a first run";
    EXPECT_FALSE(tabbedIntoShell());
    dismiss();
    BreakScreenRig::flushDeletions();
    EXPECT_TRUE(reachable().contains("Breaks")) << "the flow has gone";
    EXPECT_TRUE(tabbedIntoShell());

    emit rig.notifier.showOnboarding();
    EXPECT_EQ(reachable(), QStringList()) << "asked for again";
    EXPECT_FALSE(view->shell()->isAncestorOf(QApplication::focusWidget()));
    EXPECT_FALSE(tabbedIntoShell());
}

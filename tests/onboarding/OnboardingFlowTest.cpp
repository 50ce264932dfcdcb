#include "onboarding/OnboardingChoiceButton.h"
#include "onboarding/OnboardingNavigationButton.h"
#include "onboarding/OnboardingPreferencesStep.h"
#include "onboarding/OnboardingRhythmPreview.h"
#include "onboarding/OnboardingRhythmStep.h"
#include "onboarding/OnboardingSettingHeader.h"
#include "onboarding/OnboardingState.h"
#include "onboarding/OnboardingValueSelector.h"
#include "onboarding/OnboardingView.h"
#include "settings_ui/window/ContentView.h"
#include "support/OnboardingRig.h"

#include <QAbstractAnimation>
#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QTest>
#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

// The first-run flow in the settings window, driven as a user drives it, on a settings file
// in a temporary folder and a fake clock.

namespace {

const QString next = QStringLiteral("onboarding.next");
const QString back = QStringLiteral("onboarding.back");

} // namespace

TEST(OnboardingFlowTest, AFirstRunShowsTheFlowAnOnboardedOneDoesNotAndTheRequestBringsItBack)
{
    {
        OnboardingRig rig;
        rig.showWindow();
        ASSERT_NE(rig.flow(), nullptr);
        EXPECT_TRUE(rig.flow()->isVisible());
        EXPECT_EQ(rig.flow()->geometry(), rig.content()->rect()) << "the flow covers the window";
    }
    OnboardingRig rig({{"hasCompletedOnboarding", true}});
    rig.runtimeRunning = true;
    rig.showWindow();
    EXPECT_EQ(rig.flow(), nullptr);
    emit rig.notifier.showOnboarding();
    ASSERT_NE(rig.flow(), nullptr);
    EXPECT_TRUE(rig.flow()->isVisible());
    EXPECT_EQ(rig.flow()->step(), 0) << "a flow brought back starts from its beginning";
    EXPECT_EQ(rig.flow()->state().selectedInterval(), 20);
}

TEST(OnboardingFlowTest, StartingWithNothingChangedStoresTheProposalsAndHandsOverOnce)
{
    OnboardingRig rig;
    rig.showWindow();
    rig.timeline.clear();
    rig.click(next);
    rig.click(next);
    EXPECT_EQ(rig.button(next)->text(), "Start Lumenpause");
    rig.click(next);
    rig.advance(0.1);
    rig.click(next); // pressed again while the content fades
    EXPECT_FALSE(rig.file().contains("hasCompletedOnboarding")) << "written only as the fade ends";

    rig.advance(0.1);
    const QVariantMap file = rig.file();
    EXPECT_EQ(file.value("hasCompletedOnboarding"), true);
    const QVariantMap expected = {{"breakInterval", 20},         {"breakDuration", 20},
                                  {"enforcement", "Casual"},     {"reminderSensitivity", "Gentle"},
                                  {"longBreaksEnabled", true},   {"longBreakFrequency", 3},
                                  {"longBreakDuration", 600},    {"launchAtLogin", true}};
    for (auto entry = expected.cbegin(); entry != expected.cend(); ++entry)
        EXPECT_EQ(file.value(entry.key()).toString(), entry.value().toString()) << entry.key().toStdString();
    EXPECT_FALSE(rig.window()->isVisible());
    EXPECT_EQ(rig.appState.current(), AppState::background);
    EXPECT_EQ(rig.flow(), nullptr) << "the flow has closed";
    EXPECT_FALSE(rig.content()->showOnboarding());

    rig.advance(0.35);
    EXPECT_EQ(rig.timeline, QStringList({"0.00 launchAtLogin true", "0.00 pauseDuringMeetings true",
                                          "0.20 onboardingDidComplete", "0.20 state background",
                                          "0.55 showMenuBarHandoff"}));
    rig.advance(5);
    EXPECT_EQ(rig.timeline.size(), 5) << "nothing more happens";
    EXPECT_TRUE(rig.clock.scheduledBlocks().isEmpty());
    // The shell's tiles keep their (stopped) animations for the next hover.
    for (const QAbstractAnimation *animation : rig.content()->findChildren<QAbstractAnimation *>())
        EXPECT_NE(animation->state(), QAbstractAnimation::Running);
}

TEST(OnboardingFlowTest, ChoicesSurviveGoingBackAndForthAndLongBreakDurationsAreSeconds)
{
    OnboardingRig rig;
    rig.showWindow();
    rig.click(back); // invisible on the welcome page, and does nothing
    EXPECT_EQ(rig.flow()->step(), 0);
    rig.click(next);
    rig.click("selectedInterval:30");
    rig.click("longBreakDuration:900");
    rig.click("longBreakFrequency:5");
    OnboardingRhythmStep *rhythm = rig.flow()->rhythmStep();
    EXPECT_EQ(rhythm->durationHeader()->caption(), "15 minutes away from the screen");
    EXPECT_EQ(rhythm->longBreaksHeader()->caption(), "Optional, after 5 short breaks");
    EXPECT_EQ(rhythm->preview()->focusText(), "30m");
    rig.click(next);
    rig.click("selectedEnforcement:Hardcore");
    rig.click("selectedSensitivity:Persistent");
    rig.click("launchAtLoginToggle");
    rig.click(back);
    rig.click(back);
    rig.click(next);
    rig.click(next);
    EXPECT_TRUE(rig.button("selectedInterval:30")->isChecked());
    EXPECT_TRUE(rig.button("selectedEnforcement:Hardcore")->isChecked());
    EXPECT_FALSE(rig.button("launchAtLoginToggle")->isChecked());

    rig.click(next);
    rig.advance(0.2);
    const QVariantMap file = rig.file();
    EXPECT_EQ(file.value("breakInterval").toInt(), 30);
    EXPECT_EQ(file.value("longBreakDuration").toInt(), 900);
    EXPECT_EQ(file.value("longBreakFrequency").toInt(), 5);
    EXPECT_EQ(file.value("enforcement").toString(), "Hardcore");
    EXPECT_EQ(file.value("reminderSensitivity").toString(), "Persistent");
    EXPECT_EQ(file.value("launchAtLogin"), false);
    EXPECT_TRUE(rig.timeline.contains("0.00 launchAtLogin false"));
}

TEST(OnboardingFlowTest, WithLongBreaksOffTheirSelectorsIgnoreClicksAndKeepTheirValues)
{
    OnboardingRig rig;
    rig.showWindow();
    rig.click(next);
    rig.click("longBreaksToggle");
    OnboardingState &state = rig.flow()->state();
    EXPECT_FALSE(state.longBreaksEnabled());
    OnboardingRhythmStep *rhythm = rig.flow()->rhythmStep();
    EXPECT_EQ(rhythm->longBreaksHeader()->caption(), "Currently turned off");
    EXPECT_EQ(rhythm->durationHeader()->caption(), "Available when long breaks are on");
    rig.click("longBreakFrequency:2");
    rig.click("longBreakDuration:180");
    EXPECT_EQ(state.longBreakFrequency(), 3);
    EXPECT_EQ(state.longBreakDuration(), 600);
    EXPECT_TRUE(rhythm->frequencySelector()->isDimmed());
    EXPECT_TRUE(rhythm->longDurationSelector()->isDimmed());
    EXPECT_TRUE(rig.button("longBreakFrequency:3")->isChecked()) << "the kept choice still shows";

    rig.click("longBreaksToggle");
    rig.click("longBreakFrequency:2");
    EXPECT_EQ(state.longBreakFrequency(), 2);
    EXPECT_EQ(rhythm->longBreaksHeader()->caption(), "Optional, after 2 short breaks");
}

TEST(OnboardingFlowTest, DescriptionsAndCaptionsFollowTheChoices)
{
    struct Case
    {
        QString enforcement;
        QString sensitivity;
        QString enforcementText;
        QString sensitivityText;
    };
    const Case cases[] = {
        {"Casual", "Gentle", "Skip or snooze whenever your day needs flexibility.",
         "Wait for five quiet seconds before stepping in."},
        {"Balanced", "Normal", "A measured middle ground with limited daily deferrals.",
         "Wait while you are actively typing."},
        {"Hardcore", "Persistent", "Breaks stay on screen until they are complete.",
         "Begin as soon as the focus timer ends."},
        // A value of no option selects nothing and reads as the first proposal.
        {"casual", "", "Skip or snooze whenever your day needs flexibility.",
         "Wait for five quiet seconds before stepping in."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.enforcement.toStdString());
        OnboardingState state;
        state.setSelectedEnforcement(c.enforcement);
        state.setSelectedSensitivity(c.sensitivity);
        EXPECT_EQ(state.enforcementDescription(), c.enforcementText);
        EXPECT_EQ(state.sensitivityDescription(), c.sensitivityText);
    }

    OnboardingRig rig;
    rig.showWindow();
    rig.click(next);
    rig.click(next);
    rig.flow()->state().setSelectedEnforcement("Strict");
    for (const char *mode : {"Casual", "Balanced", "Hardcore"})
        EXPECT_FALSE(rig.button(QStringLiteral("selectedEnforcement:") + mode)->isChecked()) << mode;
}

TEST(OnboardingFlowTest, ClosingTheWindowBeforeTheEndQuitsOnlyOnAFirstRunStillWaitingForTheUser)
{
    struct Case
    {
        const char *name;
        bool runtimeRunning;
        bool duringFade;
        bool quits;
    };
    const Case cases[] = {
        {"first run, step 1", false, false, true},
        {"during the fade", false, true, false},
        {"flow brought back while running", true, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        OnboardingRig rig;
        rig.runtimeRunning = c.runtimeRunning;
        rig.showWindow();
        rig.click(next);
        if (c.duringFade) {
            rig.click(next);
            rig.click(next);
        }
        rig.window()->close();
        EXPECT_EQ(rig.timeline.contains("0.00 quit"), c.quits);
        EXPECT_EQ(rig.log.contains("Onboarding", "onboarding_abandoned | step=1"), c.quits);
        rig.advance(1);
        EXPECT_EQ(rig.file().value("hasCompletedOnboarding").toBool(), c.duringFade);
    }
}

TEST(OnboardingFlowTest, ControlsAreNamedForScreenReadersAndAShortWindowScrollsThePage)
{
    OnboardingRig rig;
    rig.showWindow();
    const auto accessible = [&](const QString &objectName) {
        return QAccessible::queryAccessibleInterface(rig.button(objectName));
    };
    EXPECT_EQ(accessible(next)->text(QAccessible::Name), "Next");
    EXPECT_EQ(accessible(next)->role(), QAccessible::Button);
    EXPECT_TRUE(accessible(back)->state().disabled) << "nothing to go back to";
    rig.click(next);
    EXPECT_EQ(accessible(back)->text(QAccessible::Name), "Back");
    QAccessibleInterface *tile = accessible("selectedDuration:20");
    EXPECT_EQ(tile->text(QAccessible::Name), "20s");
    EXPECT_EQ(tile->role(), QAccessible::RadioButton);
    EXPECT_TRUE(tile->state().checked);
    EXPECT_EQ(accessible("longBreaksToggle")->text(QAccessible::Name), "Long breaks");
    rig.click(next);
    EXPECT_EQ(accessible("selectedSensitivity:Normal")->text(QAccessible::Name), "Normal");
    EXPECT_EQ(accessible("pauseDuringMeetingsToggle")->text(QAccessible::Name), "Pause during meetings");
    EXPECT_EQ(accessible("launchAtLoginToggle")->text(QAccessible::Name), "Open at login");
    EXPECT_EQ(accessible(next)->text(QAccessible::Name), "Start Lumenpause");

    // Shorter than the page: the page area scrolls, the bar stays at the foot.
    rig.window()->setFixedSize(880, 480);
    QCoreApplication::processEvents();
    OnboardingView *flow = rig.flow();
    EXPECT_GT(flow->pageArea()->verticalScrollBar()->maximum(), 0);
    const QRect nextArea = rig.button(next)->geometry().translated(rig.button(next)->parentWidget()->mapTo(flow, QPoint()));
    EXPECT_LE(nextArea.bottom(), flow->height());
    EXPECT_GE(nextArea.top(), flow->pageArea()->geometry().bottom());
}


TEST(OnboardingFlowTest, TabGoesRoundThePageInReadingOrderThenBackAndNext)
{
    OnboardingRig rig;
    rig.showWindow();
    QApplication::setActiveWindow(rig.window());
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    const auto focused = [] { return QApplication::focusWidget()->objectName(); };
    EXPECT_EQ(focused(), next) << "the flow opens on its main action";
    press(Qt::Key_Space);
    EXPECT_EQ(focused(), "selectedInterval:20") << "the new page takes the focus on its first choice";
    QStringList visited;
    for (int step = 0; step < 18; ++step) {
        press(Qt::Key_Tab);
        visited.append(focused());
    }
    EXPECT_EQ(visited.mid(0, 3), QStringList({"selectedInterval:30", "selectedInterval:45", "selectedDuration:20"}));
    EXPECT_EQ(visited.mid(6, 2), QStringList({"longBreaksToggle", "longBreakFrequency:2"}));
    EXPECT_EQ(visited.mid(14, 4), QStringList({"longBreakDuration:900", back, next, "selectedInterval:15"}));
    for (int step = 0; step < 3; ++step)
        press(Qt::Key_Backtab);
    EXPECT_EQ(focused(), "longBreakDuration:900");
    press(Qt::Key_Space);
    EXPECT_EQ(rig.flow()->state().longBreakDuration(), 900);
}

// A screen reader walks a page's tree: the cards of a row come left, then right, so it reads
// the controls in the order Tab visits them.
TEST(OnboardingFlowTest, AScreenReaderReadsEachPageInTabOrder)
{
    OnboardingRig rig;
    rig.showWindow();
    const auto namesOf = [](const QList<QWidget *> &widgets) {
        QStringList names;
        for (const QWidget *widget : widgets)
            names.append(widget->objectName());
        return names;
    };
    const std::function<void(QAccessibleInterface *, const QList<QWidget *> &, QStringList &)> walk =
        [&](QAccessibleInterface *node, const QList<QWidget *> &wanted, QStringList &read) {
            if (wanted.contains(node->object()))
                read.append(node->object()->objectName());
            for (int i = 0; i < node->childCount(); ++i)
                walk(node->child(i), wanted, read);
        };
    for (OnboardingPage *page : std::initializer_list<OnboardingPage *>{rig.flow()->rhythmStep(),
                                                                        rig.flow()->preferencesStep()}) {
        rig.click(next);
        const QList<QWidget *> order = page->focusOrder();
        QStringList read;
        walk(QAccessible::queryAccessibleInterface(page), order, read);
        EXPECT_EQ(read, namesOf(order));
    }
}

// A screen reader's "Toggle" of a tile or a row checks it without a click: the flow takes
// the choice as from a click, and the checked states show the flow's choice, one per group.
TEST(OnboardingFlowTest, AScreenReadersToggleChoosesAsAClickDoes)
{
    struct Case
    {
        QString choice;
        QString others;
        std::function<QString(const OnboardingState &)> chosen;
    };
    using State = const OnboardingState &;
    const Case cases[] = {
        {"selectedInterval:30", "selectedInterval:20", [](State s) { return QString::number(s.selectedInterval()); }},
        {"selectedDuration:45", "selectedDuration:20", [](State s) { return QString::number(s.selectedDuration()); }},
        {"longBreakFrequency:5", "longBreakFrequency:3", [](State s) { return QString::number(s.longBreakFrequency()); }},
        {"selectedEnforcement:Balanced", "selectedEnforcement:Casual", [](State s) { return s.selectedEnforcement(); }},
        {"selectedSensitivity:Normal", "selectedSensitivity:Gentle", [](State s) { return s.selectedSensitivity(); }},
    };
    OnboardingRig rig;
    rig.showWindow();
    const auto toggle = [&](const QString &objectName) {
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(rig.button(objectName));
        ASSERT_TRUE(node->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        node->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    };
    const auto checked = [&](const QString &objectName) {
        return QAccessible::queryAccessibleInterface(rig.button(objectName))->state().checked;
    };
    rig.click(next);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.choice.toStdString());
        if (c.choice.startsWith("selectedEnforcement") && rig.flow()->step() == 1)
            rig.click(next);
        toggle(c.choice);
        EXPECT_EQ(c.chosen(rig.flow()->state()), c.choice.section(':', 1));
        EXPECT_TRUE(checked(c.choice));
        EXPECT_FALSE(checked(c.others)) << "the earlier choice is no longer checked";
        toggle(c.choice); // the checked one again: it stays the choice
        EXPECT_TRUE(checked(c.choice));
        EXPECT_EQ(c.chosen(rig.flow()->state()), c.choice.section(':', 1));
    }
    rig.click(next);
    rig.advance(0.2);
    const QVariantMap file = rig.file();
    EXPECT_EQ(file.value("breakInterval").toInt(), 30);
    EXPECT_EQ(file.value("breakDuration").toInt(), 45);
    EXPECT_EQ(file.value("enforcement").toString(), "Balanced");
    EXPECT_EQ(file.value("reminderSensitivity").toString(), "Normal");
}

TEST(OnboardingFlowTest, TheKeyboardShowsWhereItIsAndReturnOrEnterChooseAsSpaceDoes)
{
    OnboardingRig rig;
    rig.showWindow();
    QApplication::setActiveWindow(rig.window());
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    auto *nextButton = qobject_cast<OnboardingNavigationButton *>(rig.button(next));
    EXPECT_FALSE(nextButton->showsFocusRing()) << "focused on opening, not by the keyboard";
    EXPECT_FALSE(rig.button(back)->isVisible()) << "the invisible \"Back\" is not there to find";
    press(Qt::Key_Tab); // "Next" is the first page's only stop
    EXPECT_TRUE(nextButton->showsFocusRing());

    press(Qt::Key_Space);
    rig.button("selectedInterval:45")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    EXPECT_EQ(rig.flow()->state().selectedInterval(), 45);
    rig.button("selectedDuration:30")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(rig.flow()->state().selectedDuration(), 30);
    rig.click(next);
    rig.button("selectedEnforcement:Hardcore")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    EXPECT_EQ(rig.flow()->state().selectedEnforcement(), "Hardcore");
    EXPECT_EQ(rig.flow()->step(), 2) << "Return chose; it did not go on";

    // Switches and the navigation answer them too: back, on again, and start.
    rig.button("launchAtLoginToggle")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    EXPECT_FALSE(rig.flow()->state().launchAtLogin());
    rig.button(back)->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(rig.flow()->step(), 1);
    nextButton->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    EXPECT_EQ(rig.flow()->step(), 2);
    EXPECT_EQ(nextButton->text(), "Start Lumenpause");
    nextButton->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    rig.advance(0.2);
    const QVariantMap file = rig.file();
    EXPECT_EQ(file.value("hasCompletedOnboarding"), true);
    EXPECT_EQ(file.value("enforcement").toString(), "Hardcore");
    EXPECT_EQ(file.value("launchAtLogin"), false);
}

// A page that appears while the flow has the keyboard takes the focus on its first group's
// choice, where a screen reader says the page's heading; with a ring when a key turned the
// page, without one after a click. The welcome page has no control of its own: "Next", where
// the focus lands, carries its title and tagline.
TEST(OnboardingFlowTest, APageThatAppearsTakesTheFocusOnItsFirstGroupsChoice)
{
    OnboardingRig rig;
    rig.showWindow();
    QApplication::setActiveWindow(rig.window());
    const auto where = [] {
        QWidget *at = QApplication::focusWidget();
        if (!at)
            return std::string("nowhere");
        const auto *choice = qobject_cast<OnboardingChoiceButton *>(at);
        const auto *navigation = qobject_cast<OnboardingNavigationButton *>(at);
        const bool ring = (choice && choice->showsFocusRing()) || (navigation && navigation->showsFocusRing());
        return at->objectName().toStdString() + (ring ? " (ring)" : "");
    };
    const auto key = [](Qt::Key key) { return [key] { QTest::keyClick(QApplication::focusWidget(), key); }; };
    const auto click = [&](const QString &name) { return [&rig, name] { rig.click(name); }; };
    const std::string welcome = "Lumen pause. Not your keyboard. Because nobody ever regretted taking a break.";
    struct Step
    {
        const char *what;
        std::function<void()> act;
        std::string focus;
        std::string nextDescription;
    };
    const Step steps[] = {
        {"opened", [] {}, "onboarding.next", welcome},
        {"Space on \"Next\"", key(Qt::Key_Space), "selectedInterval:20 (ring)", ""},
        {"another choice", click("selectedInterval:30"), "selectedInterval:30", ""},
        {"\"Next\" clicked", click(next), "selectedEnforcement:Casual", ""},
        {"Return on \"Back\"",
         [&] {
             rig.button(back)->setFocus(Qt::TabFocusReason);
             key(Qt::Key_Return)();
         },
         "selectedInterval:30 (ring)", ""},
        {"\"Back\" clicked", click(back), "onboarding.next", welcome},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(where(), step.focus);
        EXPECT_EQ(rig.button(next)->accessibleDescription().toStdString(), step.nextDescription);
    }
}

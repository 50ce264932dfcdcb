#include "breakscreen/ActivationController.h"
#include "breakscreen/BreakPanel.h"
#include "breakscreen/BreakScreenConfig.h"
#include "breakscreen/SettingsWindowController.h"
#include "core/AppState.h"
#include "scheduling/BreakMessages.h"
#include "settings_ui/components/BackButton.h"
#include "settings_ui/components/Debouncer.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/components/TileButton.h"
#include "settings_ui/components/ToggleSwitch.h"
#include "settings_ui/customizer/BreakPreviewPanel.h"
#include "settings_ui/customizer/BreakScreenCustomizeView.h"
#include "settings_ui/customizer/CustomMessageField.h"
#include "settings_ui/customizer/PreviewFullScreenButton.h"
#include "support/BreakScreenRig.h"
#include "support/SettingsWindowRig.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

class BreakScreenCustomizeViewTest : public ::testing::Test
{
protected:
    BreakScreenCustomizeViewTest() { Motion::setJumpToEnd(true); }
    ~BreakScreenCustomizeViewTest() override
    {
        view.reset();
        BreakScreenRig::flushDeletions();
        Motion::setJumpToEnd(false);
    }

    // The customizer on what the store holds, on screen at its largest size.
    BreakScreenCustomizeView &open()
    {
        view = std::make_unique<BreakScreenCustomizeView>(services(), BreakScreenConfig::load(rig.store),
                                                          [this] { ++backs; });
        view->resize(1180, 800);
        view->show();
        return *view;
    }

    CustomizerServices services() { return {rig.store, rig.clock, rig.theme}; }

    template <typename Widget = QWidget>
    Widget *control(const QString &objectName) const
    {
        auto *found = view->findChild<Widget *>(objectName);
        EXPECT_NE(found, nullptr) << objectName.toStdString();
        return found;
    }

    void click(const QString &objectName) const
    {
        QWidget *target = control(objectName);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    }

    // Whether a save ran since the last call. A save writes all eight keys, so one key taken
    // out of the store after each look comes back with the next save.
    bool savedSinceLastLook()
    {
        const bool saved = rig.store.object(QStringLiteral("break.escape")).isValid();
        rig.store.removeObject(QStringLiteral("break.escape"));
        return saved;
    }

    QJsonObject settingsFile() { return QJsonDocument::fromJson(rig.settingsFile()).object(); }

    SettingsWindowRig rig;
    std::unique_ptr<BreakScreenCustomizeView> view;
    int backs = 0;
};

} // namespace

TEST_F(BreakScreenCustomizeViewTest, EveryTileAndSwitchWritesItsSettingAtOnceUnderItsOwnNameAndSavesAMomentLater)
{
    open();
    BreakScreenConfig &config = view->config();
    struct Case
    {
        QString objectName;
        std::function<bool()> holds;
    };
    QList<Case> cases;
    for (BreakScreenMessage value : allBreakScreenMessages())
        cases.append({"break.message:" + rawValue(value), [&, value] { return config.message() == value; }});
    for (BreakBG value : allBreakBGs())
        cases.append({"break.background:" + rawValue(value), [&, value] { return config.background() == value; }});
    for (BreakCountdown value : allBreakCountdowns())
        cases.append({"break.countdown:" + rawValue(value), [&, value] { return config.countdownStyle() == value; }});
    for (EscBehavior value : allEscBehaviors())
        cases.append({"break.escape:" + rawValue(value), [&, value] { return config.escapeBehavior() == value; }});
    cases.append({"break.clock", [&] { return !config.clockVisible(); }});
    cases.append({"break.showSkip", [&] { return !config.showSkip(); }});
    cases.append({"break.showSnooze", [&] { return !config.showSnooze(); }});
    // Tiles are radio buttons and switches check boxes, each named by its visible label.
    cases.append({"customizer.back", [&] { return backs == 1; }});

    for (const Case &item : cases) {
        SCOPED_TRACE(item.objectName.toStdString());
        rig.clock.advance(1);
        savedSinceLastLook();
        click(item.objectName);
        EXPECT_TRUE(item.holds());
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control(item.objectName));
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty());
        if (qobject_cast<TileButton *>(control(item.objectName)) && !item.objectName.startsWith("customizer")) {
            EXPECT_EQ(accessible->role(), QAccessible::RadioButton);
            EXPECT_TRUE(accessible->state().checked) << "the tile shows the choice it made";
            EXPECT_TRUE(item.objectName.endsWith(accessible->text(QAccessible::Name)));
        }
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control("break.showSkip"))->text(QAccessible::Name), "Skip");

    click("break.clock");
    EXPECT_FALSE(savedSinceLastLook());
    rig.clock.advance(0.29);
    EXPECT_FALSE(savedSinceLastLook()) << "saved before its 0.3 s";
    rig.clock.advance(0.01);
    EXPECT_TRUE(savedSinceLastLook());
}

TEST_F(BreakScreenCustomizeViewTest, TypingSavesOnceAfterTheLastKeystrokeAndAChangeWhileASaveWaitsReplacesIt)
{
    rig.store.setString("break.message", "Custom");
    open();
    auto *field = control<CustomMessageField>("break.customMessage");
    ASSERT_TRUE(field->isVisible());
    field->setFocus();
    const int blurs = view->preview()->backdropRenders();
    QString typed;
    for (const char letter : QByteArray("abcdefghij")) {
        QTest::keyClick(field, letter);
        typed += QLatin1Char(letter);
        EXPECT_EQ(view->config().customMessage(), typed);
        EXPECT_EQ(view->preview()->previewMessage(), typed) << "the preview shows each letter at once";
        rig.clock.advance(0.05);
        EXPECT_FALSE(savedSinceLastLook()) << "after " << typed.toStdString();
    }
    rig.clock.advance(0.24);
    EXPECT_FALSE(savedSinceLastLook());
    rig.clock.advance(0.01);
    EXPECT_TRUE(savedSinceLastLook()) << "one save, 0.3 s after the last keystroke";
    EXPECT_EQ(settingsFile()["break.customMessage"].toString(), "abcdefghij");
    rig.clock.advance(5);
    EXPECT_FALSE(savedSinceLastLook());
    EXPECT_EQ(view->preview()->backdropRenders(), blurs) << "typing never makes the background again";

    // A second change while the first one's save waits: one save of both, 0.3 s after it.
    click("break.showSkip");
    rig.clock.advance(0.2);
    click("break.showSnooze");
    rig.clock.advance(0.2);
    EXPECT_FALSE(savedSinceLastLook());
    rig.clock.advance(0.1);
    EXPECT_TRUE(savedSinceLastLook());
    EXPECT_FALSE(settingsFile()["break.showSkip"].toBool(true));
    EXPECT_FALSE(settingsFile()["break.showSnooze"].toBool(true));
}

TEST_F(BreakScreenCustomizeViewTest, CustomShowsItsFieldUnderTheGridAndTheTextOutlivesAnotherChoice)
{
    open();
    auto *field = control<CustomMessageField>("break.customMessage");
    EXPECT_FALSE(field->isVisible());
    EXPECT_EQ(field->placeholderText(), "Your message...");

    click("break.message:Custom");
    ASSERT_TRUE(field->isVisible());
    const QWidget *custom = control("break.message:Custom");
    const int gridFoot = custom->mapTo(view.get(), QPoint(0, custom->height())).y();
    const int fieldTop = field->mapTo(view.get(), QPoint(0, 0)).y();
    EXPECT_GT(fieldTop, gridFoot);
    EXPECT_LT(fieldTop, control("break.background:Blur")->mapTo(view.get(), QPoint(0, 0)).y());
    QTest::keyClicks(field, "hi there");

    click("break.message:Rest Your Eyes");
    EXPECT_FALSE(field->isVisible());
    EXPECT_EQ(view->config().customMessage(), "hi there");
    EXPECT_EQ(view->preview()->previewMessage(), "Rest Your Eyes");
    click("break.message:Custom");
    EXPECT_TRUE(field->isVisible());
    EXPECT_EQ(field->text(), "hi there");

    // Picking the card already chosen is no change and writes nothing.
    rig.clock.advance(1);
    savedSinceLastLook();
    click("break.message:Custom");
    click("break.countdown:Timer");
    EXPECT_FALSE(view->isSavePending());
    rig.clock.advance(1);
    EXPECT_FALSE(savedSinceLastLook());
}

TEST_F(BreakScreenCustomizeViewTest, PreviewMessageIsTheMessageOfTheDayForRandomAndTheTextAsTypedForCustom)
{
    rig.store.setString("break.message", "Random");
    open();
    const QString morning = view->preview()->previewMessage();
    view->config().setCountdownStyle(BreakCountdown::ring);
    rig.clock.advance(14.9 * 3600); // 23:54
    EXPECT_EQ(view->preview()->previewMessage(), morning) << "the same all day";
    rig.clock.advance(0.2 * 3600);
    const QStringList &messages = breakMessages();
    EXPECT_EQ(view->preview()->previewMessage(), messages.at((messages.indexOf(morning) + 1) % messages.size()));

    // The day whose ordinal leaves 199 over shows the last message; the next one the first.
    QDate last(2025, 1, 1);
    while ((QDate(1, 1, 1).daysTo(last) + 1) % messages.size() != messages.size() - 1)
        last = last.addDays(1);
    EXPECT_EQ(BreakPreviewPanel::previewMessage(view->config(), last), messages.last());
    EXPECT_EQ(BreakPreviewPanel::previewMessage(view->config(), last.addDays(1)), messages.first());

    const struct
    {
        QString typed;
        QString shown;
    } customs[] = {{"", "Your message here"}, {"   ", "   "}, {"<i>hi</i>", "<i>hi</i>"}};
    view->config().setMessage(BreakScreenMessage::custom);
    for (const auto &custom : customs) {
        view->config().setCustomMessage(custom.typed);
        EXPECT_EQ(view->preview()->previewMessage(), custom.shown);
    }
}

TEST_F(BreakScreenCustomizeViewTest, MarkupInTheMessageIsDrawnAsItsCharacters)
{
    rig.store.setString("break.message", "Custom");
    rig.store.setString("break.background", "Dark");
    rig.store.setString("break.countdown", "Hidden");
    open();
    const auto inkWidth = [this](const QString &message) {
        view->config().setCustomMessage(message);
        const QImage shot = view->preview()->grab().toImage();
        view->config().setCustomMessage(QStringLiteral(" "));
        const QImage blank = view->preview()->grab().toImage();
        int left = shot.width(), right = -1;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixel(x, y) != blank.pixel(x, y)) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        return right - left;
    };
    const int literal = inkWidth("<i>hi</i>");
    const int plain = inkWidth("hi");
    EXPECT_GT(literal, 3 * plain) << "the tags are drawn, not applied";
}

TEST_F(BreakScreenCustomizeViewTest, APastedMegabyteStoresTwoHundredEightyCharactersAndALongerStoredTextStaysUntilEdited)
{
    const QString stored(400, QLatin1Char('s'));
    rig.store.setString("break.message", "Custom");
    rig.store.setString("break.customMessage", stored);
    open();
    auto *field = control<CustomMessageField>("break.customMessage");
    EXPECT_EQ(field->text(), stored);
    EXPECT_EQ(view->config().customMessage(), stored);
    field->setFocus();
    field->end(false);
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(view->config().customMessage().size(), 399) << "shortening keeps the rest";

    field->selectAll();
    field->insert(QString(1 << 20, QLatin1Char('m')));
    EXPECT_EQ(view->config().customMessage(), QString(280, QLatin1Char('m')));
    EXPECT_EQ(field->text(), view->config().customMessage());
    view->close();
    EXPECT_EQ(settingsFile()["break.customMessage"].toString().size(), 280);
}

// A screen reader sets the whole text at once, by either of the accessibility interfaces: the
// text is stored and previewed as typing would, within the same limit.
TEST_F(BreakScreenCustomizeViewTest, AMessageSetThroughTheAccessibilityInterfacesIsPreviewedAndSaved)
{
    rig.store.setString("break.message", "Custom");
    open();
    QAccessibleInterface *field =
        QAccessible::queryAccessibleInterface(control<CustomMessageField>("break.customMessage"));
    ASSERT_NE(field->editableTextInterface(), nullptr);
    struct Case
    {
        const char *name;
        std::function<void(const QString &)> set;
        QString text;
        QString stored;
    };
    const Case cases[] = {
        {"set as the value", [&](const QString &text) { field->setText(QAccessible::Value, text); }, "Stand up",
         "Stand up"},
        {"replaced", [&](const QString &text) { field->editableTextInterface()->replaceText(0, 8, text); },
         "Look away", "Look away"},
        {"a megabyte", [&](const QString &text) { field->setText(QAccessible::Value, text); },
         QString(1 << 20, QLatin1Char('m')), QString(280, QLatin1Char('m'))},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        test.set(test.text);
        EXPECT_EQ(view->config().customMessage(), test.stored);
        EXPECT_EQ(view->preview()->previewMessage(), test.stored);
        rig.clock.advance(0.3);
        EXPECT_EQ(settingsFile()["break.customMessage"].toString(), test.stored);
    }
}

namespace {

// The customizer as the application opens it: in its window above the settings window.
class CustomizerWindowTest : public BreakScreenCustomizeViewTest
{
protected:
    CustomizerWindowTest()
    {
        // Loaded from the rig's store rather than the application's.
        controller.setCustomizerFactory([this](std::unique_ptr<BreakScreenConfig>, std::function<void()> close) {
            windowView = new BreakScreenCustomizeView(services(), BreakScreenConfig::load(rig.store), std::move(close));
            return windowView.data();
        });
    }

    BreakScreenRig breaks;
    AppStateStore appState;
    ActivationController activation{appState};
    SettingsWindowController controller{activation, appState};
    QPointer<BreakScreenCustomizeView> windowView;
};

} // namespace

TEST_F(CustomizerWindowTest, SkipOffAndClosedAtOnceIsSavedWhicheverWayTheWindowGoesAndNothingOfItStays)
{
    const std::pair<const char *, std::function<void()>> closings[] = {
        {"back button", [this] { QTest::mouseClick(windowView->findChild<BackButton *>("customizer.back"), Qt::LeftButton); }},
        {"Ctrl+W", [this] { QTest::keyClick(windowView.data(), Qt::Key_W, Qt::ControlModifier); }},
        {"its own close", [this] { controller.customizerWindow()->close(); }},
        {"settings hidden", [this] { controller.hide(); }},
    };
    for (const auto &[way, close] : closings) {
        SCOPED_TRACE(way);
        rig.store.setBool("break.showSkip", true);
        controller.showCustomizer();
        ASSERT_NE(windowView, nullptr);
        QApplication::setActiveWindow(controller.customizerWindow());
        auto *skip = windowView->findChild<ToggleSwitch *>("break.showSkip");
        QTest::mouseClick(skip, Qt::LeftButton, {}, skip->rect().center());
        close();
        EXPECT_EQ(controller.customizerWindow(), nullptr);
        EXPECT_FALSE(settingsFile()["break.showSkip"].toBool(true));
        BreakScreenRig::flushDeletions();
        EXPECT_EQ(windowView, nullptr);
        EXPECT_TRUE(rig.clock.scheduledBlocks().isEmpty()) << "no save of it is left waiting";
    }
}

// Screen readers list the application's windows: the customizer is a frame named by its title.
TEST_F(CustomizerWindowTest, ScreenReadersFindItsWindowAsAFrameNamedByItsTitle)
{
    controller.showCustomizer();
    QWidget *window = controller.customizerWindow();
    ASSERT_NE(window, nullptr);
    QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(window);
    EXPECT_EQ(frame->role(), QAccessible::Window);
    EXPECT_EQ(frame->text(QAccessible::Name), "Customize Break Screen");
    EXPECT_EQ(window->windowTitle(), "Customize Break Screen");
    EXPECT_GE(QAccessible::queryAccessibleInterface(qApp)->indexOfChild(frame), 0);
}

TEST_F(BreakScreenCustomizeViewTest, QuittingATenthOfASecondAfterAnEditKeepsTheEdit)
{
    open();
    click("break.background:Gradient");
    rig.clock.advance(0.1);
    // The termination path: pending saves first, then the store's last write.
    Debouncer::flushAll();
    rig.store.flush();
    EXPECT_EQ(settingsFile()["break.background"].toString(), "Gradient");
    EXPECT_FALSE(view->isSavePending());
}

TEST_F(CustomizerWindowTest, TheFullScreenButtonSavesAtOnceAndShowsACopyOfTheEditsForFiveSecondsUnlessABreakIsOn)
{
    controller.showCustomizer();
    windowView->config().setBackground(BreakBG::nature);
    windowView->config().setEscapeBehavior(EscBehavior::disabled);
    auto *fullScreen = windowView->findChild<PreviewFullScreenButton *>("customizer.previewFullScreen");
    EXPECT_EQ(fullScreen->toolTip(), "Preview full screen");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(fullScreen)->text(QAccessible::Name), "Preview break full screen");
    QTest::mouseClick(fullScreen, Qt::LeftButton, {}, fullScreen->rect().center());

    EXPECT_EQ(settingsFile()["break.background"].toString(), "Nature") << "saved without waiting";
    EXPECT_FALSE(windowView->isSavePending());
    ASSERT_NE(breaks.overlay(), nullptr);
    EXPECT_EQ(breaks.overlay()->mode, BreakOverlayMode::preview(5));
    QPointer<BreakScreenConfig> shown = breaks.overlay()->config;
    ASSERT_NE(shown, nullptr);
    EXPECT_NE(shown.data(), &windowView->config()) << "a copy taken at the click";
    EXPECT_EQ(shown->background(), BreakBG::nature);
    EXPECT_EQ(shown->escapeBehavior(), EscBehavior::disabled);

    // Closed during the preview: the preview runs out on its own copy.
    controller.closeCustomizer(true);
    BreakScreenRig::flushDeletions();
    EXPECT_EQ(shown->background(), BreakBG::nature);
    breaks.clock.advance(5);
    EXPECT_EQ(breaks.windows.breakController().previewPanel(), nullptr);

    // With a break on screen it is refused and nothing else happens.
    controller.showCustomizer();
    ASSERT_TRUE(breaks.presentBreak());
    const qsizetype overlays = breaks.overlays.size();
    fullScreen = windowView->findChild<PreviewFullScreenButton *>("customizer.previewFullScreen");
    QTest::mouseClick(fullScreen, Qt::LeftButton, {}, fullScreen->rect().center());
    EXPECT_TRUE(breaks.log.contains("BreakPreview", "Preview blocked because a break panel is active"));
    EXPECT_EQ(breaks.windows.breakController().previewPanel(), nullptr);
    EXPECT_EQ(breaks.overlays.size(), overlays);
    EXPECT_EQ(breaks.windows.breakController().panels().size(), 1);
    EXPECT_NE(controller.customizerWindow(), nullptr);
}

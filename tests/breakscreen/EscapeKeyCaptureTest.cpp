#include "breakscreen/EscapeKeyCapture.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Another window of the application: a text field with focus and an Escape shortcut, as a
// dialog's "close on Escape" would be.
struct OtherWindow
{
    OtherWindow()
        : shortcut(QKeySequence(Qt::Key_Escape), &window)
    {
        field.setParent(&window);
        QObject::connect(&shortcut, &QShortcut::activated, [this] { ++shortcutFired; });
        window.resize(200, 60);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        field.setFocus();
    }

    QWidget window;
    QLineEdit field;
    QShortcut shortcut;
    int shortcutFired = 0;
};

// Records the key presses that reach it.
class KeyRecorder : public QWidget
{
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent *event) override { keys.append(event->key()); }
};

} // namespace

TEST(EscapeKeyCaptureTest, WhileOnEscapeGoesToTheHandlerAndNoShortcutElsewhereFires)
{
    OtherWindow other;
    int presses = 0;
    EscapeKeyCapture capture([&] {
        ++presses;
        return true;
    });

    capture.setOn(true);
    QTest::keyClick(&other.field, Qt::Key_Escape);
    QTest::keyClick(&other.field, Qt::Key_Escape, Qt::NoModifier);
    QTest::keyClick(&other.field, Qt::Key_X);
    EXPECT_EQ(presses, 2);
    EXPECT_EQ(other.shortcutFired, 0);
    EXPECT_EQ(other.field.text(), "x");

    capture.setOn(false);
    QTest::keyClick(&other.field, Qt::Key_Escape);
    EXPECT_EQ(presses, 2);
    EXPECT_EQ(other.shortcutFired, 1);
}

TEST(EscapeKeyCaptureTest, AnAutoRepeatCountsAsAPressAndAPressTheHandlerDeclinesGoesOn)
{
    KeyRecorder focused;
    focused.show();
    int presses = 0;
    bool take = true;
    EscapeKeyCapture capture([&] {
        ++presses;
        return take;
    });
    capture.setOn(true);

    QTest::keyPress(&focused, Qt::Key_Escape);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(&focused, &repeat);
    QTest::keyRelease(&focused, Qt::Key_Escape);
    EXPECT_EQ(presses, 2);
    EXPECT_TRUE(focused.keys.isEmpty());

    take = false;
    QTest::keyClick(&focused, Qt::Key_Escape);
    EXPECT_EQ(presses, 3);
    EXPECT_EQ(focused.keys, QList<int>{Qt::Key_Escape});
}

#pragma once

#include <QObject>

class QWidget;

// On a Linux desktop Return presses the focused button, as Space does; Qt leaves Return to
// the push buttons of dialogs alone. Under a widget covered here, Return and keypad Enter on
// a focused button of ours (anything built on QAbstractButton but QPushButton, which keeps
// Qt's default-button rules) reach it as Space: pressed while the key is down, clicked as it
// comes up, a switch toggled, a radio row chosen. Text fields, drop-down lists and other
// controls keep what Return means to them, and so does every window not covered (the break
// screen's keys are its own). A button that refuses Space lets Return go on to its parents,
// as before.
class ReturnPressesButtons : public QObject
{
    Q_OBJECT

public:
    // Covers `root` and everything under it, windows it opens included, for as long as it
    // lives; the first call installs the one filter on the application.
    static void cover(QWidget *root);
    static bool covers(const QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};

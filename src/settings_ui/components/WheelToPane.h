#pragma once

#include <QObject>

class QWidget;

// Keeps the mouse wheel from changing a value control: a turn over a picker, slider or
// field goes to the scroll area the control sits in, so reading down a pane never changes a
// setting by accident. Without a scroll area around it the turn is dropped.
class WheelToPane : public QObject
{
    Q_OBJECT

public:
    // Installs the filter on the control; it lives as long as the control.
    static void install(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};

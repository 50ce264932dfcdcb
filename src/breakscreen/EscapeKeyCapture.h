#pragma once

#include <QObject>

#include <functional>

// Takes every Escape key press in the application while it is on, before any widget or
// shortcut sees it, and hands each to its handler; when the handler answers true the key
// goes no further. A press is seen once: at the window it arrives in, before it is passed on
// to the widget with focus. Other keys pass untouched. Auto-repeats count as presses.
class EscapeKeyCapture : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<bool()>;

    explicit EscapeKeyCapture(Handler handler, QObject *parent = nullptr);
    ~EscapeKeyCapture() override;

    bool isOn() const { return m_on; }
    void setOn(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Handler m_handler;
    bool m_on = false;
};

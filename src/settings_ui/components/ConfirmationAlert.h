#pragma once

#include <functional>

class QMessageBox;
class QString;
class QWidget;

// The question a pane asks before something it cannot undo, set as an alert: the
// application's tile beside the question in bold over a comfortably wrapped message, with
// "Cancel" as both the default and the Escape button and the action as the destructive one.
// Window-modal over the pane's window, dressed in its scheme, and deleted once answered.
class ConfirmationAlert
{
public:
    // Opens the alert; `confirmed` runs only when the action's button is chosen.
    static QMessageBox *open(QWidget *parent, const QString &question, const QString &message,
                             const QString &actionTitle, std::function<void()> confirmed);
};

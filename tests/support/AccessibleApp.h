#pragma once

#include "support/AppProcess.h"
#include "support/AtspiClient.h"
#include "support/AtspiEventLog.h"

#include <functional>
#include <optional>
#include <string>

class AppHome;

// The real application, with its home, on the desktop's accessibility bus: what shows of it
// as a screen reader sees it, and the actions a screen reader performs. Waits end at their
// deadline, generous for a loaded machine.
class AccessibleApp
{
public:
    static constexpr int stepTimeoutMs = 10000;

    explicit AccessibleApp(const AppHome &home);

    AppProcess &process() { return m_app; }
    const AtspiClient &client() const { return m_client; }

    // Empty when the application started, logged `logLine` and came onto the bus; else what
    // went wrong.
    QString start(const QString &logLine);

    QList<AtspiElement> showing() const;
    std::optional<AtspiElement> waitForShowing(const QString &name, const QString &role,
                                               int timeoutMs = stepTimeoutMs) const;
    // The first showing object that `matches`, once there is one.
    std::optional<AtspiElement> waitForShowing(const std::function<bool(const AtspiElement &)> &matches,
                                               int timeoutMs = stepTimeoutMs) const;
    bool isShowing(const QString &name, const QString &role) const;
    // The object the keyboard is on, once there is one: the innermost showing object that says it
    // is focused (a window whose content has the keyboard says so too).
    std::optional<AtspiElement> waitForFocused(int timeoutMs = stepTimeoutMs) const;
    // From now on, records the state changes the application announces; false when the bus
    // refused.
    bool recordStateChanges();
    // Those recorded of `state`, in order, as "<name> on" or "<name> off".
    QStringList stateChanges(const QString &state) const;
    // What shows under `element`, depth first.
    QList<AtspiElement> showingUnder(const AtspiElement &element) const;
    QString descriptionOf(const AtspiElement &element) const;
    // Finds the control once it shows and performs the action on it.
    bool act(const QString &name, const QString &role, const QString &action,
             int timeoutMs = stepTimeoutMs);
    // Whether the control's checked state settles to `checked` within the deadline.
    bool waitForChecked(const QString &name, const QString &role, bool checked) const;
    // Finds the control once it shows and sets its whole text.
    bool setText(const QString &name, const QString &role, const QString &text);
    // The text of the showing control; empty when it does not show.
    QString textOf(const QString &name, const QString &role) const;
    // The names of every object of that role the tree holds, showing or not.
    QStringList reachable(const QString &role) const;
    // What a screen reader says as the keyboard lands on `focused`: the named panels that hold
    // it, outermost first, then the object itself ("name [role]" each), then its description;
    // "; " between them.
    QString heardOnFocus(const AtspiElement &focused) const;
    // What shows, for a failure's message: "name [role]" a line.
    std::string describeShowing() const;

private:
    AtspiClient m_client;
    AtspiEventLog m_events;
    AppProcess m_app;
    std::optional<AtspiObject> m_root;
};

#pragma once

#include <QDBusConnection>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class AtspiEventLog;

// One object on the accessibility bus: the connection that serves it and its path there.
struct AtspiObject
{
    QString service;
    QString path;

    bool operator==(const AtspiObject &other) const = default;
};

// The states a test reads; the values are the bit numbers of the accessibility bus.
enum class AtspiState {
    checked = 4,
    enabled = 8,
    focusable = 11,
    focused = 12,
    sensitive = 24,
    showing = 25,
    visible = 30,
};

// What a screen reader reads of one object, read once.
struct AtspiElement
{
    AtspiObject object;
    QString name;
    // As the bus names it: "push button", "check box", "radio button", ...
    QString role;
    quint64 states = 0;

    bool has(AtspiState state) const { return states & (quint64(1) << int(state)); }
};

// The desktop's accessibility bus as a screen reader sees it: the applications on it, their
// trees of objects with name, role and states, and the actions ("Press", "Toggle") a screen
// reader performs on them. The bus address comes from the session bus, where the test
// services run the accessibility bus launcher; an application appears on it when started
// with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1. Blocking calls, each with a short deadline.
class AtspiClient
{
public:
    AtspiClient();
    ~AtspiClient();

    // Empty when connected; else what went wrong.
    QString error() const { return m_error; }

    // The root of the application that the process runs, once it is on the bus.
    std::optional<AtspiObject> application(qint64 pid) const;
    // The objects under `root`, depth first, `root` itself excluded. With `showingOnly` the
    // walk leaves out what is not showing, and all beneath it.
    QList<AtspiElement> elements(const AtspiObject &root, bool showingOnly) const;
    // The first showing object under `root` with that name and role.
    std::optional<AtspiElement> findShowing(const AtspiObject &root, const QString &name,
                                            const QString &role) const;
    AtspiElement element(const AtspiObject &object) const;
    // Signs this client up for the changes applications tell of (names, descriptions, states),
    // as a screen reader does: Qt sends none while nobody listens. False when refused.
    bool listenForChanges() const;
    // The connection to the accessibility bus; none without one.
    std::optional<QDBusConnection> bus() const { return m_bus; }
    // The object that holds this one; none for an application's root.
    std::optional<AtspiObject> parent(const AtspiObject &object) const;
    // What a screen reader says of the object after its name and role; empty without one.
    QString description(const AtspiObject &object) const;
    QStringList actions(const AtspiObject &object) const;
    // The keys the object offers for its actions, which a screen reader reads out after its
    // name and role as though they were shortcuts; empty ones left out.
    QStringList keyBindings(const AtspiObject &object) const;
    // Performs the named action; false when the object has no such action or refused it.
    bool doAction(const AtspiObject &object, const QString &action) const;
    // The whole text of an object with a text, as a screen reader reads it; empty without one.
    QString text(const AtspiObject &object) const;
    // Replaces the whole text of an editable object, as a screen reader does; false when it
    // has no editable text or refused it.
    bool setText(const AtspiObject &object, const QString &text) const;
    // Has the applications on the bus announce their state changes, as they do once a screen
    // reader listens, and records them in `log` from now on; false when the bus refused.
    bool recordStateChanges(AtspiEventLog &log);

private:
    struct Action
    {
        QString name;
        QString keyBinding;
    };
    QList<Action> actionList(const AtspiObject &object) const;
    QList<AtspiObject> children(const AtspiObject &object) const;
    bool registerEvent(const QString &event) const;
    void walk(const AtspiObject &object, bool showingOnly, QList<AtspiElement> &found) const;

    QString m_connectionName;
    std::optional<QDBusConnection> m_bus;
    QString m_error;
};

#pragma once

#include "platform/linux/SdBusConnection.h"

#include <QSet>
#include <QString>

#include <functional>
#include <memory>

class EventQueue;
class ProcIdentities;

// Who holds the login manager's idle inhibitors. The list is asked for without waiting
// and the last answer is used: at each periodic reading and when the manager says its
// blocking inhibitors changed. A missing manager reads as nobody, said once.
class LogindInhibitors
{
public:
    // `changed` runs when an answer names other applications than the one before.
    LogindInhibitors(EventQueue &queue, ProcIdentities &processes, std::function<void()> changed);
    ~LogindInhibitors();
    LogindInhibitors(const LogindInhibitors &) = delete;
    LogindInhibitors &operator=(const LogindInhibitors &) = delete;

    void ask();
    const QSet<QString> &identities() const { return m_identities; }

private:
    void connect();
    void takeAnswer(sd_bus_message *reply);
    void reportUnavailable(const QString &reason);

    static int answerCallback(sd_bus_message *reply, void *self, sd_bus_error *);
    static int propertiesCallback(sd_bus_message *message, void *self, sd_bus_error *);

    EventQueue &m_queue;
    ProcIdentities &m_processes;
    std::function<void()> m_changed;
    std::unique_ptr<SdBusConnection> m_bus;
    sd_bus_slot *m_propertiesSlot = nullptr;
    sd_bus_slot *m_pendingCall = nullptr;
    bool m_askAgain = false;
    bool m_reportedUnavailable = false;
    QSet<QString> m_identities;
};

#pragma once

#include "platform/linux/SdBusConnection.h"

#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class EventQueue;
class ProcIdentities;

// Who holds the GNOME session manager's idle inhibitors (a video player keeping the screen
// on). Read in full when opened and again whenever the manager announces an inhibitor added
// or removed, without waiting on any answer. A missing manager reads as nobody, said once.
class GnomeInhibitors
{
public:
    // The process that made an X window, when it can be found.
    using WindowOwner = std::function<std::optional<int>(uint32_t window)>;

    // `changed` runs when a reading names other applications than the one before.
    GnomeInhibitors(EventQueue &queue, ProcIdentities &processes, WindowOwner windowOwner,
                    std::function<void()> changed);
    ~GnomeInhibitors();
    GnomeInhibitors(const GnomeInhibitors &) = delete;
    GnomeInhibitors &operator=(const GnomeInhibitors &) = delete;

    const QSet<QString> &identities() const { return m_identities; }

private:
    struct Request;

    void readAll();
    void takeInhibitorList(sd_bus_message *reply);
    void ask(const QString &path, const char *method, int field);
    void finishIfComplete();
    void reportUnavailable(const QString &reason);

    static int listCallback(sd_bus_message *reply, void *self, sd_bus_error *);
    static int fieldCallback(sd_bus_message *reply, void *request, sd_bus_error *);
    static int announcementCallback(sd_bus_message *, void *self, sd_bus_error *);

    EventQueue &m_queue;
    ProcIdentities &m_processes;
    WindowOwner m_windowOwner;
    std::function<void()> m_changed;
    std::unique_ptr<SdBusConnection> m_bus;
    std::vector<sd_bus_slot *> m_signalSlots;
    // The reading in progress; a newer one cancels its calls.
    sd_bus_slot *m_listCall = nullptr;
    std::vector<std::unique_ptr<Request>> m_requests;
    bool m_reportedUnavailable = false;
    QSet<QString> m_identities;
};

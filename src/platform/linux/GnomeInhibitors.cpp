#include "platform/linux/GnomeInhibitors.h"

#include "core/Logger.h"
#include "platform/linux/InhibitorRules.h"
#include "platform/linux/ProcIdentities.h"

#include <array>
#include <cstring>

namespace {

const QString kCategory = QStringLiteral("Meeting");
constexpr const char *kService = "org.gnome.SessionManager";
constexpr const char *kPath = "/org/gnome/SessionManager";
constexpr const char *kManager = "org.gnome.SessionManager";
constexpr const char *kInhibitor = "org.gnome.SessionManager.Inhibitor";

enum Field { flagsField, windowField, applicationField, fieldCount };

} // namespace

// One inhibitor's three answers, and the call still waiting for one of them.
struct GnomeInhibitors::Request
{
    Request(GnomeInhibitors *o, QString p, int f)
        : owner(o)
        , path(std::move(p))
        , field(f)
    {
    }

    GnomeInhibitors *owner;
    QString path;
    int field;
    sd_bus_slot *slot = nullptr;
    bool answered = false;
    uint number = 0;
    QString text;

    ~Request() { sd_bus_slot_unref(slot); }
};

GnomeInhibitors::GnomeInhibitors(EventQueue &queue, ProcIdentities &processes,
                                 WindowOwner windowOwner, std::function<void()> changed)
    : m_queue(queue)
    , m_processes(processes)
    , m_windowOwner(std::move(windowOwner))
    , m_changed(std::move(changed))
{
    QString failure;
    m_bus = SdBusConnection::open(m_queue, SdBusConnection::Bus::session, &failure);
    if (!m_bus) {
        reportUnavailable(failure);
        return;
    }
    for (const char *announcement : {"InhibitorAdded", "InhibitorRemoved"}) {
        sd_bus_slot *slot = nullptr;
        if (sd_bus_match_signal_async(m_bus->get(), &slot, kService, kPath, kManager, announcement,
                                      announcementCallback, nullptr, this)
            >= 0)
            m_signalSlots.push_back(slot);
    }
    readAll();
}

GnomeInhibitors::~GnomeInhibitors()
{
    m_requests.clear();
    sd_bus_slot_unref(m_listCall);
    for (sd_bus_slot *slot : m_signalSlots)
        sd_bus_slot_unref(slot);
}

void GnomeInhibitors::readAll()
{
    m_requests.clear();
    m_listCall = sd_bus_slot_unref(m_listCall);
    const int result = sd_bus_call_method_async(m_bus->get(), &m_listCall, kService, kPath,
                                                kManager, "GetInhibitors", listCallback, this,
                                                nullptr);
    if (result < 0)
        reportUnavailable(QString::fromUtf8(std::strerror(-result)));
    m_bus->flush();
}

void GnomeInhibitors::takeInhibitorList(sd_bus_message *reply)
{
    QStringList paths;
    if (sd_bus_message_enter_container(reply, SD_BUS_TYPE_ARRAY, "o") >= 0) {
        const char *path = nullptr;
        while (sd_bus_message_read(reply, "o", &path) > 0)
            paths.append(QString::fromUtf8(path));
        sd_bus_message_exit_container(reply);
    }
    for (const QString &path : paths) {
        ask(path, "GetFlags", flagsField);
        ask(path, "GetToplevelXid", windowField);
        ask(path, "GetAppId", applicationField);
    }
    m_bus->flush();
    finishIfComplete();
}

void GnomeInhibitors::ask(const QString &path, const char *method, int field)
{
    auto request = std::make_unique<Request>(this, path, field);
    const int result = sd_bus_call_method_async(m_bus->get(), &request->slot, kService,
                                                path.toUtf8().constData(), kInhibitor, method,
                                                fieldCallback, request.get(), nullptr);
    // An inhibitor that cannot be asked counts as answered with nothing.
    request->answered = result < 0;
    m_requests.push_back(std::move(request));
}

void GnomeInhibitors::finishIfComplete()
{
    for (const auto &request : m_requests) {
        if (!request->answered)
            return;
    }
    QHash<QString, std::array<const Request *, fieldCount>> inhibitors;
    for (const auto &request : m_requests)
        inhibitors[request->path][request->field] = request.get();
    QSet<QString> identities;
    for (const auto &fields : std::as_const(inhibitors)) {
        QSet<QString> windowOwnerIdentities;
        if (fields[windowField]->number != 0 && m_windowOwner) {
            if (const std::optional<int> pid = m_windowOwner(fields[windowField]->number))
                windowOwnerIdentities = m_processes.identitiesOf(*pid);
        }
        identities.unite(InhibitorRules::gnomeInhibitorIdentities(
            fields[flagsField]->number, windowOwnerIdentities, fields[applicationField]->text));
    }
    m_requests.clear();
    if (identities == m_identities)
        return;
    m_identities = identities;
    m_changed();
}

void GnomeInhibitors::reportUnavailable(const QString &reason)
{
    if (m_reportedUnavailable)
        return;
    m_reportedUnavailable = true;
    logInfo(kCategory, formatLogEvent(QStringLiteral("display_sleep_inhibitors_unavailable"),
                                      {{QStringLiteral("reason"), reason},
                                       {QStringLiteral("source"), QStringLiteral("gnome-session")}}));
}

int GnomeInhibitors::listCallback(sd_bus_message *reply, void *self, sd_bus_error *)
{
    auto *inhibitors = static_cast<GnomeInhibitors *>(self);
    inhibitors->m_listCall = sd_bus_slot_unref(inhibitors->m_listCall);
    if (const sd_bus_error *error = sd_bus_message_get_error(reply)) {
        inhibitors->reportUnavailable(QString::fromUtf8(error->message ? error->message : error->name));
        inhibitors->finishIfComplete(); // no requests: nobody inhibits
        return 0;
    }
    inhibitors->takeInhibitorList(reply);
    return 0;
}

int GnomeInhibitors::fieldCallback(sd_bus_message *reply, void *data, sd_bus_error *)
{
    auto *request = static_cast<Request *>(data);
    request->answered = true;
    if (!sd_bus_message_is_method_error(reply, nullptr)) {
        if (request->field == applicationField) {
            const char *text = nullptr;
            if (sd_bus_message_read(reply, "s", &text) >= 0 && text)
                request->text = QString::fromUtf8(text);
        } else {
            uint32_t number = 0;
            if (sd_bus_message_read(reply, "u", &number) >= 0)
                request->number = number;
        }
    }
    request->owner->finishIfComplete();
    return 0;
}

int GnomeInhibitors::announcementCallback(sd_bus_message *, void *self, sd_bus_error *)
{
    static_cast<GnomeInhibitors *>(self)->readAll();
    return 0;
}

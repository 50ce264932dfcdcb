#include "platform/linux/LinuxMeetingSignalSource.h"

#include "core/EventQueue.h"
#include "core/Logger.h"
#include "platform/linux/GnomeInhibitors.h"
#include "platform/linux/LogindInhibitors.h"
#include "platform/linux/X11ActiveWindow.h"

#include <algorithm>
#include <utility>

namespace {

const QString kCategory = QStringLiteral("Meeting");

} // namespace

LinuxMeetingSignalSource::LinuxMeetingSignalSource(EventQueue &queue, Options options)
    : m_queue(queue)
    , m_options(std::move(options))
    , m_processes(m_options.procRoot)
    , m_audio(queue, m_processes, m_options.audio)
{
}

LinuxMeetingSignalSource::~LinuxMeetingSignalSource()
{
    closeMediaSignals();
}

void LinuxMeetingSignalSource::startWatching(ChangeHandler changed)
{
    m_changed = std::move(changed);
    m_audio.start([this](bool rebuild) {
        if (m_changed)
            m_changed(rebuild);
    });
}

void LinuxMeetingSignalSource::stopWatching()
{
    m_changed = nullptr;
    m_audio.stop();
    closeMediaSignals();
    m_includeMedia = false;
    // Until the next start nothing is listed.
    m_processes.forgetListing();
    m_listedThisPeriod = false;
}

void LinuxMeetingSignalSource::setIncludeMediaSignals(bool include)
{
    if (include == m_includeMedia)
        return;
    m_includeMedia = include;
    if (include)
        openMediaSignals();
    else
        closeMediaSignals();
}

void LinuxMeetingSignalSource::rebuildAudioListeners()
{
    m_audio.resolveOwners();
}

void LinuxMeetingSignalSource::prepareReconciliation(std::function<void()> ready)
{
    // Processes are listed only while someone looks at them. After a whole period without a
    // listing the last one is stale, and the process churn it would filter out is unknown.
    if (!std::exchange(m_listedThisPeriod, false))
        m_processes.forgetListing();
    // The answer comes later and is read by the next snapshot; a change asks for one.
    if (m_logind)
        m_logind->ask();
    m_audio.prepareReconciliation(std::move(ready));
}

QSet<QString> LinuxMeetingSignalSource::runningApplications()
{
    m_listedThisPeriod = true;
    return m_processes.runningIdentities();
}

MeetingSignalSource::AudioActivity LinuxMeetingSignalSource::audioActivity()
{
    return m_audio.activity();
}

bool LinuxMeetingSignalSource::isDefaultInputRunning()
{
    return m_audio.isDefaultInputRunning();
}

// The snapshot names the frontmost process once: by its executable, which it has however it
// was launched (a program started from a terminal shares the terminal's unit), else by
// another of its identities.
std::optional<QString> LinuxMeetingSignalSource::frontmostApplication()
{
    const std::optional<int> pid =
        m_activeWindow ? m_activeWindow->activeProcessId() : std::nullopt;
    if (!pid)
        return std::nullopt;
    const QSet<QString> identities = m_processes.identitiesOf(*pid);
    if (identities.isEmpty())
        return std::nullopt;
    const QString executable = QStringLiteral("bin:") + m_processes.executableName(*pid);
    if (identities.contains(executable))
        return executable;
    return *std::min_element(identities.begin(), identities.end());
}

QSet<QString> LinuxMeetingSignalSource::displaySleepPreventingApplications()
{
    QSet<QString> identities;
    if (m_logind)
        identities.unite(m_logind->identities());
    if (m_gnome)
        identities.unite(m_gnome->identities());
    return identities;
}

void LinuxMeetingSignalSource::openMediaSignals()
{
    QString failure = m_options.wayland ? QStringLiteral("Wayland session")
                                        : QStringLiteral("no X display");
    if (!m_options.wayland && !m_options.x11Display.isEmpty())
        m_activeWindow = X11ActiveWindow::open(m_queue, m_options.x11Display,
                                               [this] { notifyPlain(); }, &failure);
    if (!m_activeWindow && !m_reportedNoWindows) {
        m_reportedNoWindows = true;
        logInfo(kCategory, formatLogEvent(QStringLiteral("frontmost_application_unavailable"),
                                          {{QStringLiteral("reason"), failure}}));
    }
    m_logind = std::make_unique<LogindInhibitors>(m_queue, m_processes, [this] { notifyPlain(); });
    m_gnome = std::make_unique<GnomeInhibitors>(
        m_queue, m_processes,
        [this](uint32_t window) {
            return m_activeWindow ? m_activeWindow->processOfWindow(window) : std::nullopt;
        },
        [this] { notifyPlain(); });
}

void LinuxMeetingSignalSource::closeMediaSignals()
{
    m_gnome.reset();
    m_logind.reset();
    m_activeWindow.reset();
}

void LinuxMeetingSignalSource::notifyPlain()
{
    if (m_changed)
        m_changed(false);
}

#include "detection/MeetingSignalMonitor.h"

#include "core/Executor.h"
#include "detection/MeetingSignalSource.h"

#include <optional>

// The monitor's state, confined to the executor. Every callback handed to the executor or
// the source holds it weakly, so that work left behind by a destroyed monitor does nothing.
class MeetingSignalMonitor::Core : public std::enable_shared_from_this<Core>
{
public:
    Core(Executor &executor, MeetingSignalSource &source, double reconciliationSeconds)
        : m_executor(executor)
        , m_source(source)
        , m_reconciliationSeconds(reconciliationSeconds)
    {
    }

    // Set before the first start; the start's hand-over to the executor publishes them there.
    SnapshotHandler onSnapshot;
    AudioAvailabilityHandler onAudioAvailabilityChanged;
    std::optional<RunningApplicationsInterest> runningInterest;

    void start(int sessionID, bool includeMediaSignals);
    void stop();
    void setNothingWaitsOnTime(bool nothingWaits) { m_nothingWaitsOnTime = nothingWaits; }

private:
    enum class Delivery { start, event, reconciliation };

    void startFromStopped(int sessionID, bool includeMediaSignals);
    void requestRefresh(bool rebuildListeners);
    void scheduleRefresh(bool rebuildListeners);
    void runRefresh(int generation);
    void startReconciliationTimer();
    void reconcile();
    void deliver(Delivery delivery);
    void reportAudioAvailability();
    MeetingSignalSnapshot makeSnapshot();

    Executor &m_executor;
    MeetingSignalSource &m_source;
    const double m_reconciliationSeconds;
    bool m_isStarted = false;
    // Raised on every start from stopped and on every stop; work carries the value it was
    // made under and does nothing once it differs.
    int m_generation = 0;
    int m_sessionID = 0;
    bool m_includeMediaSignals = false;
    CancellableHandle m_refreshWorkItem;
    CancellableHandle m_reconciliationTimer;
    // Stays set until a refresh rebuilds: a plain request that follows never clears it.
    bool m_needsAudioListenerRebuild = false;
    bool m_nothingWaitsOnTime = false;
    std::optional<MeetingSignalSnapshot> m_lastDelivered;
    // What the receiver was last told; kept across stops, as the source keeps what it knows.
    bool m_reportedAudioAvailable = true;
};

void MeetingSignalMonitor::Core::start(int sessionID, bool includeMediaSignals)
{
    if (!m_isStarted) {
        startFromStopped(sessionID, includeMediaSignals);
        return;
    }
    // Listeners, timer and generation stay: only the session and the media flag change.
    m_sessionID = sessionID;
    m_includeMediaSignals = includeMediaSignals;
    m_source.setIncludeMediaSignals(includeMediaSignals);
    deliver(Delivery::start);
}

void MeetingSignalMonitor::Core::startFromStopped(int sessionID, bool includeMediaSignals)
{
    m_isStarted = true;
    ++m_generation;
    m_sessionID = sessionID;
    m_includeMediaSignals = includeMediaSignals;
    m_lastDelivered.reset();
    std::weak_ptr<Core> weak = weak_from_this();
    m_source.startWatching([weak](bool rebuildListeners) {
        if (auto core = weak.lock())
            core->requestRefresh(rebuildListeners);
    });
    m_source.setIncludeMediaSignals(includeMediaSignals);
    m_source.rebuildAudioListeners();
    startReconciliationTimer();
    if (m_isStarted)
        deliver(Delivery::start);
}

void MeetingSignalMonitor::Core::stop()
{
    if (!m_isStarted)
        return;
    m_isStarted = false;
    ++m_generation;
    m_refreshWorkItem.reset();
    m_needsAudioListenerRebuild = false;
    m_reconciliationTimer.reset();
    m_source.stopWatching();
    m_lastDelivered.reset();
}

// Events may come from any callback; the request always takes one more turn through the
// executor, so that it is ordered after whatever the executor was already asked to do.
void MeetingSignalMonitor::Core::requestRefresh(bool rebuildListeners)
{
    std::weak_ptr<Core> weak = weak_from_this();
    m_executor.post([weak, rebuildListeners] {
        if (auto core = weak.lock())
            core->scheduleRefresh(rebuildListeners);
    });
}

// A burst of events yields one refresh, a debounce interval after the last of them.
void MeetingSignalMonitor::Core::scheduleRefresh(bool rebuildListeners)
{
    if (m_isStarted)
        m_needsAudioListenerRebuild = m_needsAudioListenerRebuild || rebuildListeners;
    m_refreshWorkItem.reset();
    std::weak_ptr<Core> weak = weak_from_this();
    m_refreshWorkItem = m_executor.schedule(kDebounceSeconds, 0.0, false,
                                            [weak, generation = m_generation] {
                                                if (auto core = weak.lock())
                                                    core->runRefresh(generation);
                                            });
}

void MeetingSignalMonitor::Core::runRefresh(int generation)
{
    if (!m_isStarted || generation != m_generation)
        return;
    if (m_needsAudioListenerRebuild) {
        m_needsAudioListenerRebuild = false;
        m_source.rebuildAudioListeners();
        if (!m_isStarted)
            return;
    }
    deliver(Delivery::event);
}

void MeetingSignalMonitor::Core::startReconciliationTimer()
{
    std::weak_ptr<Core> weak = weak_from_this();
    m_reconciliationTimer = m_executor.schedule(m_reconciliationSeconds,
                                                kReconciliationLeewaySeconds, true, [weak] {
                                                    if (auto core = weak.lock())
                                                        core->reconcile();
                                                });
}

void MeetingSignalMonitor::Core::reconcile()
{
    if (!m_isStarted)
        return;
    std::weak_ptr<Core> weak = weak_from_this();
    m_source.prepareReconciliation([weak, generation = m_generation] {
        auto core = weak.lock();
        if (core && core->m_isStarted && core->m_generation == generation)
            core->deliver(Delivery::reconciliation);
    });
}

// While nothing waits on time, a periodic snapshot that says nothing new is not worth the
// receiver's wake-up; a start or an event is always delivered.
void MeetingSignalMonitor::Core::deliver(Delivery delivery)
{
    reportAudioAvailability();
    if (!onSnapshot)
        return;
    MeetingSignalSnapshot snapshot = makeSnapshot();
    const bool periodic = delivery == Delivery::reconciliation;
    if (periodic && m_nothingWaitsOnTime && m_lastDelivered == snapshot)
        return;
    m_lastDelivered = snapshot;
    onSnapshot(snapshot, m_sessionID);
}

// Asked with every reading, so that a server gone or back is told by the next snapshot's
// turn at the latest, ahead of that snapshot; told only when it changed.
void MeetingSignalMonitor::Core::reportAudioAvailability()
{
    if (!onAudioAvailabilityChanged)
        return;
    const bool available = m_source.isAudioAvailable();
    if (available == m_reportedAudioAvailable)
        return;
    m_reportedAudioAvailable = available;
    onAudioAvailabilityChanged(available);
}

MeetingSignalSnapshot MeetingSignalMonitor::Core::makeSnapshot()
{
    MeetingSignalSnapshot snapshot;
    if (m_includeMediaSignals) {
        snapshot.frontmostBundleIdentifier = m_source.frontmostApplication();
        snapshot.displaySleepPreventingBundleIdentifiers =
            m_source.displaySleepPreventingApplications();
    }
    MeetingSignalSource::AudioActivity audio = m_source.audioActivity();
    // The process listing is the dearest reading by far: it is made only when looked at.
    if (!runningInterest)
        snapshot.runningBundleIdentifiers = m_source.runningApplications();
    else if (runningInterest->isLookedAt(audio.inputIdentities, audio.outputIdentities))
        snapshot.runningBundleIdentifiers = runningInterest->narrowed(m_source.runningApplications());
    snapshot.inputBundleIdentifiers = std::move(audio.inputIdentities);
    snapshot.outputBundleIdentifiers = std::move(audio.outputIdentities);
    // The default device is asked only when no stream explains the input.
    snapshot.isAnyInputActive = audio.anyStreamRecords || m_source.isDefaultInputRunning();
    return snapshot;
}

MeetingSignalMonitor::MeetingSignalMonitor(Executor &executor, MeetingSignalSource &source,
                                           double reconciliationSeconds)
    : m_executor(executor)
    , m_core(std::make_shared<Core>(executor, source, reconciliationSeconds))
{
}

MeetingSignalMonitor::~MeetingSignalMonitor()
{
    // The last reference goes with this work, on the executor.
    m_executor.post([core = std::move(m_core)] { core->stop(); });
}

void MeetingSignalMonitor::setOnSnapshot(SnapshotHandler handler)
{
    m_core->onSnapshot = std::move(handler);
}

void MeetingSignalMonitor::setOnAudioAvailabilityChanged(AudioAvailabilityHandler handler)
{
    m_core->onAudioAvailabilityChanged = std::move(handler);
}

void MeetingSignalMonitor::setRunningApplicationsInterest(RunningApplicationsInterest interest)
{
    m_core->runningInterest = std::move(interest);
}

void MeetingSignalMonitor::start(int sessionID, bool includeMediaSignals)
{
    m_executor.post([weak = std::weak_ptr<Core>(m_core), sessionID, includeMediaSignals] {
        if (auto core = weak.lock())
            core->start(sessionID, includeMediaSignals);
    });
}

void MeetingSignalMonitor::stop()
{
    m_executor.post([weak = std::weak_ptr<Core>(m_core)] {
        if (auto core = weak.lock())
            core->stop();
    });
}

void MeetingSignalMonitor::setNothingWaitsOnTime(bool nothingWaits)
{
    m_executor.post([weak = std::weak_ptr<Core>(m_core), nothingWaits] {
        if (auto core = weak.lock())
            core->setNothingWaitsOnTime(nothingWaits);
    });
}

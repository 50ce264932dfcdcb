#include "settings_ui/components/Debouncer.h"

#include "core/Clock.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<Debouncer *> &liveDebouncers()
{
    static std::vector<Debouncer *> debouncers;
    return debouncers;
}

} // namespace

Debouncer::Debouncer(Clock &clock, double delaySeconds, std::function<void()> work,
                     QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_delaySeconds(delaySeconds)
    , m_work(std::move(work))
{
    liveDebouncers().push_back(this);
}

Debouncer::~Debouncer()
{
    std::erase(liveDebouncers(), this);
    flush();
}

void Debouncer::call()
{
    m_pending = m_clock.schedule(m_delaySeconds, false, [this] {
        // Dropped before the work runs: the work may call() again.
        const CancellableHandle spent = std::move(m_pending);
        m_work();
    });
}

void Debouncer::flush()
{
    if (!m_pending)
        return;
    m_pending.reset();
    m_work();
}

void Debouncer::flushAll()
{
    // A flush may make or end debouncers; the ones alive at the start are each asked once.
    const std::vector<Debouncer *> snapshot = liveDebouncers();
    for (Debouncer *debouncer : snapshot) {
        if (std::find(liveDebouncers().cbegin(), liveDebouncers().cend(), debouncer)
            != liveDebouncers().cend())
            debouncer->flush();
    }
}

void Debouncer::flushUnder(const QObject *root)
{
    for (Debouncer *debouncer : root->findChildren<Debouncer *>())
        debouncer->flush();
}

#include "core/MainThreadHandOff.h"

#include <QObject>

#include <mutex>

struct MainThreadHandOff::State
{
    std::mutex mutex;
    // Lives on the main thread; its destruction takes its queued work with it.
    QObject *receiver = nullptr;
};

MainThreadHandOff::Poster::Poster(std::shared_ptr<State> state)
    : m_state(std::move(state))
{
}

void MainThreadHandOff::Poster::post(std::function<void()> work) const
{
    const std::lock_guard lock(m_state->mutex);
    if (m_state->receiver)
        QMetaObject::invokeMethod(m_state->receiver, std::move(work), Qt::QueuedConnection);
}

MainThreadHandOff::MainThreadHandOff()
    : m_state(std::make_shared<State>())
{
    m_state->receiver = new QObject;
}

MainThreadHandOff::~MainThreadHandOff()
{
    close();
}

void MainThreadHandOff::close()
{
    QObject *receiver = nullptr;
    {
        const std::lock_guard lock(m_state->mutex);
        receiver = std::exchange(m_state->receiver, nullptr);
    }
    delete receiver;
}

bool MainThreadHandOff::isOpen() const
{
    const std::lock_guard lock(m_state->mutex);
    return m_state->receiver != nullptr;
}

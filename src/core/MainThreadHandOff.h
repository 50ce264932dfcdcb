#pragma once

#include <functional>
#include <memory>

// Hands work from any thread to the main thread's event loop while it is open. Made and
// closed on the main thread (closed at the latest when destroyed): work handed over before
// the close that has not run yet is dropped, work handed over after goes nowhere. Posting
// threads keep a Poster, which may outlive the hand-off: a post and the close take one lock,
// so the object the work is queued on is never destroyed while a post reaches it, whatever
// becomes of the application object meanwhile.
class MainThreadHandOff
{
    struct State;

public:
    class Poster
    {
    public:
        // From any thread; returns at once.
        void post(std::function<void()> work) const;

    private:
        friend class MainThreadHandOff;
        explicit Poster(std::shared_ptr<State> state);
        std::shared_ptr<State> m_state;
    };

    MainThreadHandOff();
    ~MainThreadHandOff();
    MainThreadHandOff(const MainThreadHandOff &) = delete;
    MainThreadHandOff &operator=(const MainThreadHandOff &) = delete;

    Poster poster() const { return Poster(m_state); }
    // On the main thread. Waits for a post under way on another thread.
    void close();
    bool isOpen() const;

private:
    std::shared_ptr<State> m_state;
};

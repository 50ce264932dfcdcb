#pragma once

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

class XcbConnection;

// Holds the test X server grabbed from a connection of its own: while it lasts, the server
// answers no other client, so a request that waits for an answer waits until it ends. The
// grab ends when the object goes, or at the latest after `longest`, from a thread of its
// own, so that code caught waiting does not hang the test.
class X11ServerGrab
{
public:
    explicit X11ServerGrab(std::chrono::milliseconds longest);
    ~X11ServerGrab();

    bool isHeld() const { return m_held; }

private:
    void release();

    std::unique_ptr<XcbConnection> m_connection;
    bool m_held = false;
    std::mutex m_mutex;
    std::condition_variable m_ended;
    bool m_ending = false;
    std::thread m_watchdog;
};

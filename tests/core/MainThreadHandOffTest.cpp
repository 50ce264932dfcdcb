#include "core/MainThreadHandOff.h"

#include <QCoreApplication>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <thread>

TEST(MainThreadHandOffTest, WorkFromAnotherThreadRunsOnTheMainThreadUntilTheClose)
{
    std::optional<MainThreadHandOff> handOff(std::in_place);
    const MainThreadHandOff::Poster poster = handOff->poster();
    QList<int> ran;
    bool allOnMainThread = true;
    const auto postFromAnotherThread = [&](int first, int count) {
        std::thread([&, first, count] {
            for (int i = first; i < first + count; ++i) {
                poster.post([&, i] {
                    allOnMainThread &= QThread::currentThread() == qApp->thread();
                    ran.append(i);
                });
            }
        }).join();
    };

    postFromAnotherThread(0, 3);
    EXPECT_TRUE(ran.isEmpty()); // only when the main thread's loop comes round
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(ran, QList<int>({0, 1, 2}));
    EXPECT_TRUE(allOnMainThread);

    // Work not yet run when the hand-off closes is dropped; later work goes nowhere, also
    // through a poster that outlives the hand-off.
    postFromAnotherThread(3, 2);
    handOff.reset();
    postFromAnotherThread(5, 2);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(ran, QList<int>({0, 1, 2}));
}

// The close takes the lock a post holds: a thread posting all the while never reaches a
// receiver that is being destroyed (the sanitizer build would say so).
TEST(MainThreadHandOffTest, ClosingWhileAnotherThreadPostsIsSafe)
{
    for (int round = 0; round < 20; ++round) {
        MainThreadHandOff handOff;
        std::atomic<bool> started = false;
        std::atomic<bool> stop = false;
        int ran = 0;
        std::thread poster([&, toMain = handOff.poster()] {
            while (!stop) {
                toMain.post([&ran] { ++ran; });
                started = true;
            }
        });
        while (!started)
            std::this_thread::yield();
        QCoreApplication::sendPostedEvents();
        handOff.close();
        const int ranBeforeClose = ran;
        QCoreApplication::sendPostedEvents();
        stop = true;
        poster.join();
        EXPECT_FALSE(handOff.isOpen());
        EXPECT_EQ(ran, ranBeforeClose);
    }
}

// The computing thread's machinery: its stack, the key queue, the pause
// gate, requests to the window thread, the command line.
#include "platform/core/clock.h"
#include "platform/core/cmdline.h"
#include "platform/core/front.h"
#include "platform/core/keyqueue.h"
#include "platform/core/pausegate.h"
#include "platform/core/requests.h"
#include "platform/core/surface.h"
#include "platform/core/thread.h"

#include <gtest/gtest.h>

#include <pthread.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using namespace platform;
using namespace std::chrono_literals;

std::atomic<size_t> stacksize{0};
std::atomic<bool> gatepassed{false};

void measurestack()
{
    pthread_attr_t attr;
    pthread_getattr_np(pthread_self(), &attr);
    size_t size = 0;
    pthread_attr_getstacksize(&attr, &size);
    pthread_attr_destroy(&attr);
    stacksize = size;
}

void passgate()
{
    checkpoint();
    gatepassed = true;
}

// Requests run here, on the test's thread, which plays the window thread.
long echo(int code, long a, long b)
{
    EXPECT_TRUE(iswindowthread());
    return code + a + b;
}

}  // namespace

TEST(computethread, RunsOnAStackOfAtLeast8MiB)
{
    ASSERT_TRUE(thread2().start(measurestack));
    EXPECT_FALSE(thread2().start(measurestack));  // one at a time
    EXPECT_TRUE(thread2().join(5000));
    EXPECT_GE(stacksize.load(), size_t(8) << 20);
    EXPECT_FALSE(thread2().started());
}

TEST(keyqueue, WaitBlocksUntilAKeyArrivesAndTellsTheHook)
{
    keyqueue q;
    static std::atomic<int> hooked{0};
    q.setwaithook([] { ++hooked; });
    std::thread poster([&] {
        while (!q.blocked())
            std::this_thread::sleep_for(1ms);
        q.post(42);
        q.post(43);
    });
    EXPECT_EQ(q.wait(), 42);
    poster.join();
    EXPECT_EQ(hooked, 1);
    EXPECT_TRUE(q.peek());
    EXPECT_EQ(q.posted(), 2);
    q.flush();
    int code;
    EXPECT_FALSE(q.take(code));
}

TEST(pausegate, CheckpointParksWhilePausedOrHeld)
{
    static std::atomic<bool> hold{false};
    for (bool byhold : {false, true}) {
        gatepassed = false;
        setwindowthread();
        if (byhold) {
            hold = true;
            holdwhen([] { return hold.load(); });
        } else {
            pausethread();
        }
        ASSERT_TRUE(thread2().start(passgate));
        while (!parked())
            std::this_thread::sleep_for(1ms);
        checkpoint();  // the window thread never parks
        EXPECT_FALSE(gatepassed);
        byhold ? release() : resumethread();
        EXPECT_TRUE(thread2().join(5000));
        EXPECT_TRUE(gatepassed);
        EXPECT_FALSE(parked());
    }
}

TEST(pausegate, NoParkingWhileHoldingTheSurfaceLock)
{
    gatepassed = false;
    setwindowthread();
    pausethread();
    ASSERT_TRUE(thread2().start([] {
        std::lock_guard guard(mainsurface().lock());
        passgate();
    }));
    EXPECT_TRUE(thread2().join(5000));
    EXPECT_TRUE(gatepassed);
    resumethread();
}

TEST(requests, SendtomainRunsOnTheWindowThreadAndCancelsWhenClosed)
{
    setwindowthread();
    setrequesthandler(echo);
    reopenrequests();
    EXPECT_EQ(sendtomain(3025, 1, 2), 3028);  // direct call on the window thread
    static std::atomic<long> result{-1};
    ASSERT_TRUE(thread2().start([] { result = sendtomain(3040, 5, 0); }));
    while (!requestspending())
        std::this_thread::sleep_for(1ms);
    runrequests();
    EXPECT_TRUE(thread2().join(5000));
    EXPECT_EQ(result, 3045);

    // A request left waiting when the window goes completes with 0, and so
    // do later ones; the handler does not run.
    result = -1;
    ASSERT_TRUE(thread2().start([] {
        result = sendtomain(3040, 5, 0);
        result = result + sendtomain(3041);
    }));
    while (!requestspending())
        std::this_thread::sleep_for(1ms);
    closerequests();
    EXPECT_TRUE(thread2().join(5000));
    EXPECT_EQ(result, 0);
    setrequesthandler(nullptr);
}

TEST(requests, CallwaitingRunsOnTheWaitingThreadWhichMayCallBackMeanwhile)
{
    setwindowthread();
    setrequesthandler(echo);
    reopenrequests();
    // The window thread, inside the computing thread's request, has the
    // computing thread run a function that itself sends a request.
    static std::atomic<long> result{-1};
    static std::atomic<bool> ranthere{false};
    auto back = +[](void*) -> long {
        ranthere = !iswindowthread();
        return sendtomain(3040, 1, 1);
    };
    static long (*backfn)(void*) = back;
    ASSERT_TRUE(thread2().start([] {
        result = callmain(+[](void*) -> long { return callwaiting(backfn, nullptr) + 1; }, nullptr);
    }));
    while (!requestspending())
        std::this_thread::sleep_for(1ms);
    runrequests();
    EXPECT_TRUE(thread2().join(5000));
    EXPECT_TRUE(ranthere);
    EXPECT_EQ(result, 3043);
    setrequesthandler(nullptr);
}

TEST(cmdline, SwitchesAreWholeWords)
{
    setcommandline({"-F", "OEM", "18", "10", "400", "/p", "h", "/home/x", "dir/-a", "-f", "ANSI", "14", "-a"});
    std::vector<std::string> words;
    EXPECT_EQ(getoption('F', 4, words), 4);
    EXPECT_EQ(words, (std::vector<std::string>{"OEM", "18", "10", "400"}));
    EXPECT_EQ(getoption('p', 1, words), 1);
    EXPECT_EQ(words[0], "h");
    EXPECT_EQ(getoption('f', 4, words), 2);  // "-a" ends the list
    EXPECT_EQ(getoption('a', 0, words), 0);
    EXPECT_EQ(getoption('h', 1, words), -1);  // a path is no switch
    EXPECT_EQ(getoption('P', 1, words), -1);  // letters are case-sensitive
    setcommandline({});
}

// The virtual clock counts the computing thread's checkpoints and sleeps
// only; the window thread's checkpoints leave it, and real time passes
// it by.
TEST(clock, VirtualClockCountsCheckpointsAndSleeps)
{
    setwindowthread();
    setvirtualclock(true);
    EXPECT_EQ(clockms(), 0);
    checkpoint();   // on the window thread
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(clockms(), 0);
    ASSERT_TRUE(thread2().start([] {
        for (int i = 0; i < 250; ++i)
            checkpoint();
        sleepms(30);
    }));
    EXPECT_TRUE(thread2().join(5000));
    EXPECT_EQ(clockms(), 250 + 1 + 30);   // the sleep's own checkpoint counts too
    setvirtualclock(false);
    long long real = msecs();
    EXPECT_NEAR(double(clockms()), double(real), 5.0);
}

#include "platform/core/requests.h"

#include "platform/core/front.h"
#include "platform/core/pausegate.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace platform {

namespace {

struct request {
    int code;
    long a, b;
    bool wait;
    long (*fn)(void*) = nullptr;
    void* arg = nullptr;
    bool done = false;
    long result = 0;
};

std::mutex requestlock;
std::condition_variable finished;
std::deque<request*> queue;
std::deque<request*> backcalls;   // for the thread that waits in callwait
bool requestsclosed = false;
std::atomic<requesthandler> handler{nullptr};

long handle(int code, long a, long b)
{
    auto fn = handler.load();
    return fn ? fn(code, a, b) : 0;
}

// Queues the request and wakes the window thread; false when closed.
// The wake happens under the lock, so that no front is woken after
// closerequests() has returned.
bool enqueue(request* r)
{
    std::lock_guard guard(requestlock);
    if (requestsclosed)
        return false;
    queue.push_back(r);
    if (auto f = currentfront())
        f->wake();
    finished.notify_all();   // a window thread waiting in callwaiting
    return true;
}

void complete(request* r, long result)
{
    if (!r->wait) {
        delete r;
        return;
    }
    {
        std::lock_guard guard(requestlock);
        r->result = result;
        r->done = true;
    }
    finished.notify_all();
}

}  // namespace

void setrequesthandler(requesthandler fn)
{
    handler = fn;
}

void runrequests()
{
    for (;;) {
        request* r;
        {
            std::lock_guard guard(requestlock);
            if (queue.empty())
                return;
            r = queue.front();
            queue.pop_front();
        }
        complete(r, r->fn ? r->fn(r->arg) : handle(r->code, r->a, r->b));
    }
}

bool requestspending()
{
    std::lock_guard guard(requestlock);
    return !queue.empty();
}

void closerequests()
{
    std::deque<request*> cancelled;
    {
        std::lock_guard guard(requestlock);
        requestsclosed = true;
        cancelled.swap(queue);
    }
    for (request* r : cancelled)
        complete(r, 0);
}

void reopenrequests()
{
    std::lock_guard guard(requestlock);
    requestsclosed = false;
}

// Computing thread: parks first while paused, so that nothing of it runs
// on the window thread while the window thread holds it.
long callwait(request& r)
{
    if (iswindowthread())
        return r.fn ? r.fn(r.arg) : handle(r.code, r.a, r.b);
    checkpoint();
    if (!enqueue(&r))
        return 0;
    std::unique_lock guard(requestlock);
    for (;;) {
        finished.wait(guard, [&] { return r.done || !backcalls.empty(); });
        if (r.done)
            return r.result;
        request* b = backcalls.front();
        backcalls.pop_front();
        guard.unlock();
        long result = b->fn(b->arg);
        guard.lock();
        b->result = result;
        b->done = true;
        finished.notify_all();
    }
}

long callmain(long (*fn)(void*), void* arg)
{
    request r{0, 0, 0, true, fn, arg};
    return callwait(r);
}

long callwaiting(long (*fn)(void*), void* arg)
{
    request b{0, 0, 0, true, fn, arg};
    {
        std::lock_guard guard(requestlock);
        if (requestsclosed)
            return 0;
        backcalls.push_back(&b);
    }
    finished.notify_all();
    for (;;) {
        runrequests();
        std::unique_lock guard(requestlock);
        finished.wait(guard, [&] { return b.done || !queue.empty(); });
        if (b.done)
            return b.result;
    }
}

}  // namespace platform

long sendtomain(int code, long a, long b)
{
    platform::request r{code, a, b, true};
    return platform::callwait(r);
}

void postmain(int code, long a, long b)
{
    using namespace platform;
    auto* r = new request{code, a, b, false};
    if (!enqueue(r))
        delete r;
}

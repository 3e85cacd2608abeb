#include "platform/core/front.h"

#include <atomic>
#include <thread>

namespace platform {

namespace {
std::atomic<front*> thefront{nullptr};
std::atomic<hostevents*> thehost{nullptr};
std::atomic<std::thread::id> windowthread{};
}

front* currentfront() { return thefront.load(); }
void setfront(front* f) { thefront = f; }
hostevents* currenthost() { return thehost.load(); }
void sethost(hostevents* h) { thehost = h; }

void setwindowthread()
{
    windowthread = std::this_thread::get_id();
}

bool iswindowthread()
{
    return windowthread.load() == std::this_thread::get_id();
}

}  // namespace platform

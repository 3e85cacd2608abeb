#include "platform/core/priority.h"

#include <dirent.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

struct classnice {
    int cls, nice;
};
constexpr classnice classes[] = {{priorityclass::normal, 0},
                                 {priorityclass::idle, 19},
                                 {priorityclass::high, -10},
                                 {priorityclass::realtime, -20}};

// The nice value of one thread; errno tells a failure apart from -1.
bool niceof(pid_t tid, int& nice)
{
    errno = 0;
    nice = getpriority(PRIO_PROCESS, id_t(tid));
    return errno == 0;
}

}  // namespace

int processclass()
{
    int nice;
    if (!niceof(getpid(), nice))
        return 0;
    for (const classnice& c : classes)
        if (c.nice == nice)
            return c.cls;
    return 0;
}

bool setprocessclass(int cls, std::string& error)
{
    const classnice* want = nullptr;
    for (const classnice& c : classes)
        if (c.cls == cls)
            want = &c;
    if (!want) {
        error = "no such priority class";
        return false;
    }
    // On Linux a nice value belongs to one thread: set each of them.
    DIR* tasks = opendir("/proc/self/task");
    if (!tasks) {
        error = std::strerror(errno);
        return false;
    }
    bool ok = true;
    while (dirent* e = readdir(tasks)) {
        if (e->d_name[0] == '.')
            continue;
        if (setpriority(PRIO_PROCESS, id_t(std::atoi(e->d_name)), want->nice) != 0 && ok) {
            error = std::strerror(errno);
            ok = false;
        }
    }
    closedir(tasks);
    return ok;
}

bool threadpriority(int thread, int& priority)
{
    pid_t tid = thread == 1 ? getpid() : pid_t(syscall(SYS_gettid));
    int base, nice;
    if (!niceof(getpid(), base) || !niceof(tid, nice))
        return false;
    int step = base - nice;   // a lower nice value is more urgent
    if (step >= 15 || step <= -15)
        step = step > 0 ? 15 : -15;
    priority = step;
    return true;
}

}  // namespace platform

#include "platform/core/handover.h"

#include "platform/core/clock.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/epoll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/timerfd.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace platform::handover {

namespace {

constexpr int headersize = 12;

bool privatefolder(const std::string& dir)
{
    struct stat st;
    return lstat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid()
           && (st.st_mode & 077) == 0;
}

// Moves all of size bytes with io (a recv or send), across interruptions.
template <class io>
bool whole(char* p, size_t size, io move)
{
    while (size > 0) {
        ssize_t n = move(p, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        size -= size_t(n);
    }
    return true;
}

bool readall(int fd, void* buffer, size_t size)
{
    return whole(static_cast<char*>(buffer), size, [fd](char* p, size_t n) { return recv(fd, p, n, 0); });
}

bool writeall(int fd, const void* buffer, size_t size)
{
    auto* p = const_cast<char*>(static_cast<const char*>(buffer));
    return whole(p, size, [fd](char* q, size_t n) { return ::send(fd, q, n, MSG_NOSIGNAL); });
}

bool samepeer(int fd, pid_t pid = 0)
{
    ucred cred{};
    socklen_t size = sizeof cred;
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &size) == 0 && cred.uid == geteuid()
           && (pid == 0 || cred.pid == pid);
}

// The bytes of a message still to come after those read: the header,
// then the path it announces; -1 when it announces too long a path.
long missing(const std::string& bytes)
{
    if (bytes.size() < headersize)
        return long(headersize - bytes.size());
    uint32_t length;
    std::memcpy(&length, bytes.data() + 8, sizeof length);
    if (length > PATH_MAX)
        return -1;
    return long(headersize + length - bytes.size());
}

enum class progress { partial, whole, failed };

// Reads what the peer has sent, up to the end of its message.
progress readsome(int fd, std::string& bytes)
{
    for (;;) {
        long need = missing(bytes);
        if (need <= 0)
            return need == 0 ? progress::whole : progress::failed;
        char buffer[1024];
        ssize_t n = recv(fd, buffer, std::min(size_t(need), sizeof buffer), MSG_DONTWAIT);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return progress::partial;
        if (n <= 0)
            return progress::failed;
        bytes.append(buffer, size_t(n));
    }
}

// A whole message's bytes.
bool parsemessage(const std::string& bytes, message& m)
{
    uint32_t head[3];
    std::memcpy(head, bytes.data(), headersize);
    m.type = head[0];
    m.offset = head[1];
    m.path = bytes.substr(headersize);
    if (m.path.find('\0') != std::string::npos)
        return false;
    if (m.type != copydata && m.type != raise)
        return false;
    // An offset is taken only where it follows a "/" inside the path.
    bool follows = m.offset > 0 && m.offset <= m.path.size() && m.path[m.offset - 1] == '/';
    if (!follows)
        m.offset = nameoffset(m.path);
    return true;
}

sockaddr_un address(const std::string& path)
{
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    std::memcpy(a.sun_path, path.c_str(), path.size() + 1);
    return a;
}

}  // namespace

uint32_t nameoffset(const std::string& path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? 0 : uint32_t(slash + 1);
}

std::string folder(std::string& error)
{
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime && privatefolder(runtime))
        return runtime;
    std::string dir = "/tmp/vemo-" + std::to_string(geteuid());
    mkdir(dir.c_str(), 0700);
    if (privatefolder(dir))
        return dir;
    error = "no private folder for the hand-over socket (" + dir + ")";
    return "";
}

bool socketpath(const std::string& name, std::string& path, std::string& error)
{
    if (name.empty() || name[0] == '.' || name.find('/') != std::string::npos) {
        error = "bad hand-over name \"" + name + "\"";
        return false;
    }
    std::string dir = folder(error);
    if (dir.empty())
        return false;
    path = dir + "/" + name;
    if (path.size() + 6 >= sizeof(sockaddr_un::sun_path)) {
        error = "the hand-over path is too long: " + path;
        return false;
    }
    return true;
}

bool listener::open(const std::string& name, std::string& error)
{
    close();
    std::string path;
    if (!socketpath(name, path, error))
        return false;
    lockpath_ = path + ".lock";
    lock_ = ::open(lockpath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock_ < 0 || flock(lock_, LOCK_EX | LOCK_NB) != 0) {
        error = "another program listens on " + path;
        if (lock_ >= 0)
            ::close(lock_);
        lock_ = -1;
        return false;
    }
    unlink(path.c_str());
    fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_un a = address(path);
    if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || chmod(path.c_str(), 0600) != 0
        || listen(fd_, 8) != 0 || !watchevents()) {
        error = "cannot listen on " + path + ": " + std::strerror(errno);
        close();
        return false;
    }
    path_ = path;
    return true;
}

bool listener::watchevents()
{
    events_ = epoll_create1(EPOLL_CLOEXEC);
    timer_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    epoll_event listening{EPOLLIN, {.fd = fd_}}, deadline{EPOLLIN, {.fd = timer_}};
    return events_ >= 0 && timer_ >= 0 && epoll_ctl(events_, EPOLL_CTL_ADD, fd_, &listening) == 0
           && epoll_ctl(events_, EPOLL_CTL_ADD, timer_, &deadline) == 0;
}

void listener::close()
{
    while (!taken_.empty())
        ::close(drop(0));
    for (int fd : {events_, timer_})
        if (fd >= 0)
            ::close(fd);
    events_ = timer_ = -1;
    if (fd_ >= 0) {
        ::close(fd_);
        if (!path_.empty())
            unlink(path_.c_str());
    }
    if (lock_ >= 0) {
        unlink(lockpath_.c_str());
        ::close(lock_);
    }
    fd_ = lock_ = -1;
    path_.clear();
}

void listener::takewaiting()
{
    for (;;) {
        int client = accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (client < 0 && (errno == EINTR || errno == ECONNABORTED))
            continue;
        if (client < 0)
            return;
        epoll_event bytes{EPOLLIN, {.fd = client}};
        if (!samepeer(client) || epoll_ctl(events_, EPOLL_CTL_ADD, client, &bytes) != 0) {
            ::close(client);
            continue;
        }
        taken_.push_back({client, msecs() + deadlinems, {}});
    }
}

int listener::drop(size_t i)
{
    int fd = taken_[i].fd;
    epoll_ctl(events_, EPOLL_CTL_DEL, fd, nullptr);
    taken_.erase(taken_.begin() + long(i));
    return fd;
}

void listener::armtimer()
{
    itimerspec next{};
    if (!taken_.empty()) {
        auto first = std::min_element(taken_.begin(), taken_.end(),
                                      [](const connection& a, const connection& b) { return a.deadline < b.deadline; });
        long long ms = std::max(1LL, first->deadline - msecs());
        next.it_value = {time_t(ms / 1000), long(ms % 1000) * 1000000};
    }
    timerfd_settime(timer_, 0, &next, nullptr);
}

bool listener::receive(message& m, int& client)
{
    if (events_ < 0)
        return false;
    uint64_t expirations;
    (void)!read(timer_, &expirations, sizeof expirations);   // the timer only wakes the watch
    takewaiting();
    long long now = msecs();
    for (size_t i = 0; i < taken_.size();) {
        progress p = readsome(taken_[i].fd, taken_[i].bytes);
        if (p == progress::partial && now < taken_[i].deadline) {
            ++i;
            continue;
        }
        std::string bytes = std::move(taken_[i].bytes);
        int fd = drop(i);
        if (p == progress::whole && parsemessage(bytes, m)) {
            client = fd;
            armtimer();
            return true;
        }
        reply(fd, -1);
    }
    armtimer();
    return false;
}

void listener::reply(int client, int32_t result)
{
    writeall(client, &result, sizeof result);
    ::close(client);
}

int post(const std::string& name, const message& m, std::string& error, int peer)
{
    std::string path;
    if (!socketpath(name, path, error))
        return -1;
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un a = address(path);
    uint32_t head[3] = {m.type, m.offset, uint32_t(m.path.size())};
    bool connected = fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    if (connected && !samepeer(fd, peer)) {
        error = path + " is held by another program";
        ::close(fd);
        return -1;
    }
    if (!connected || !writeall(fd, head, headersize) || !writeall(fd, m.path.data(), m.path.size())) {
        error = "cannot hand over to " + path + ": " + std::strerror(errno);
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    return fd;
}

bool waitreply(int fd, int timeoutms, int32_t& result)
{
    pollfd p{fd, POLLIN, 0};
    bool ok = poll(&p, 1, timeoutms) == 1 && readall(fd, &result, sizeof result);
    ::close(fd);
    return ok;
}

bool send(const std::string& name, const message& m, int timeoutms, int32_t& result, std::string& error, int peer)
{
    int fd = post(name, m, error, peer);
    if (fd < 0)
        return false;
    if (!waitreply(fd, timeoutms, result)) {
        error = "no answer to the hand-over";
        return false;
    }
    return true;
}

}  // namespace platform::handover

// The hand-over channel from VEMO to the VEMDRAW it started: a Unix
// socket in the user's runtime folder (else a private folder in /tmp),
// named by the environment variable VEMDRAW_HANDOVER, held by one
// listener under a lock file.  A message is {u32 type, u32 offset of the
// file name in the path, u32 length, the path's bytes}; the reply an i32.
// Peers of another user are refused.  The listener never blocks: it reads
// what each connection has sent so far, and a message not whole within
// its deadline after the connection was taken is answered -1 and dropped.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

namespace handover {

constexpr uint32_t copydata = 74;   // a path to open
constexpr uint32_t raise = 3048;    // bring the window to the front
constexpr const char* variable = "VEMDRAW_HANDOVER";

struct message {
    uint32_t type = 0;
    uint32_t offset = 0;
    std::string path;
};

// The position after the last "/" of a path, 0 without one.
uint32_t nameoffset(const std::string& path);

// The folder of the sockets: $XDG_RUNTIME_DIR, else /tmp/vemo-UID made
// 0700 and checked to be the user's own; empty with a message when
// neither can be used.
std::string folder(std::string& error);
// The socket's path for a name (no "/", not starting with ".").
bool socketpath(const std::string& name, std::string& path, std::string& error);

constexpr int deadlinems = 1000;   // from taking a connection to its message's last byte

class listener {
public:
    ~listener() { close(); }
    // Binds the name under its lock; false with a message when the name
    // is bad, another listener holds it or the socket cannot be made.
    bool open(const std::string& name, std::string& error);
    void close();
    // The descriptor to watch: readable when a connection waits, one of
    // those taken has sent bytes or hung up, or a deadline has passed.
    int fd() const { return events_; }
    // Takes the waiting connections, reads what they have sent and
    // answers -1 to those past their deadline, without waiting; true with
    // a whole message and its client to answer (the caller replies, which
    // also closes it), false when no message is whole.  A refused peer or
    // a malformed message is answered and dropped.
    bool receive(message& m, int& client);
    static void reply(int client, int32_t result);

private:
    struct connection {
        int fd;
        long long deadline;   // msecs()
        std::string bytes;    // of the message so far
    };
    void takewaiting();
    // Drops connection i from the list and the watch; its descriptor.
    int drop(size_t i);
    void armtimer();
    // The listening socket and the deadline timer on the watched events.
    bool watchevents();

    int fd_ = -1, lock_ = -1, events_ = -1, timer_ = -1;
    std::string path_, lockpath_;
    std::vector<connection> taken_;
};

// The sender's side: connects and writes one message; -1 with a message
// when that fails or the listener is not of this user or (peer not 0)
// not that process.
int post(const std::string& name, const message& m, std::string& error, int peer = 0);
// Waits up to timeoutms for the reply and closes the connection.
bool waitreply(int fd, int timeoutms, int32_t& result);
// post and waitreply.
bool send(const std::string& name, const message& m, int timeoutms, int32_t& result, std::string& error,
          int peer = 0);

}  // namespace handover

}  // namespace platform

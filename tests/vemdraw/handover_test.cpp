// The hand-over channel and a headless VEMDRAW that receives a path and
// a raise from it.
#include "fixtures.h"

#include "vemdraw/messages.h"
#include "vemdraw/program.h"

#include "platform/core/handover.h"
#include "platform/headless/headless.h"

#include <gtest/gtest.h>

#include "platform/core/clock.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

using namespace platform;

class Handover : public testing::Test {
protected:
    void SetUp() override
    {
        dir = testing::TempDir() + "handover" + std::to_string(getpid());
        mkdir(dir.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
        name = "vemdraw-test.sock";
    }
    void TearDown() override
    {
        unsetenv(handover::variable);
        std::filesystem::remove_all(dir);
    }

    // A connection to the listener that has sent nothing.
    int rawclient()
    {
        std::string path, error;
        EXPECT_TRUE(handover::socketpath(name, path, error)) << error;
        int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        std::snprintf(a.sun_path, sizeof a.sun_path, "%s", path.c_str());
        EXPECT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
        return fd;
    }

    std::string dir, name;
};

bool answered(int fd)
{
    pollfd p{fd, POLLIN, 0};
    return poll(&p, 1, 0) == 1;
}

// The bytes of a message as the sender writes them.
std::string messagebytes(const std::string& path)
{
    uint32_t head[3] = {handover::copydata, 0, uint32_t(path.size())};
    return std::string(reinterpret_cast<const char*>(head), sizeof head) + path;
}

TEST_F(Handover, SecondListenerOnTheNameIsRefused)
{
    handover::listener first, second;
    std::string error;
    ASSERT_TRUE(first.open(name, error)) << error;
    EXPECT_FALSE(second.open(name, error));
    EXPECT_NE(error.find("another program listens"), std::string::npos) << error;
    first.close();
    EXPECT_TRUE(second.open(name, error)) << error;
}

TEST_F(Handover, BadNamesAndFoldersAreRefused)
{
    handover::listener l;
    std::string error;
    for (const char* bad : {"", ".hidden", "a/b"})
        EXPECT_FALSE(l.open(bad, error)) << bad;
    chmod(dir.c_str(), 0755);   // not private: the fallback folder in /tmp
    std::string path;
    ASSERT_TRUE(handover::socketpath(name, path, error));
    EXPECT_EQ(path, "/tmp/vemo-" + std::to_string(geteuid()) + "/" + name);
}

TEST_F(Handover, OffsetsAreTakenOnlyAfterASlash)
{
    handover::listener l;
    std::string error;
    ASSERT_TRUE(l.open(name, error)) << error;
    const struct {
        uint32_t offset, expected;
    } cases[] = {{5, 5}, {0, 5}, {3, 5}, {4000, 5}, {9, 5}};
    for (const auto& c : cases) {
        int fd = handover::post(name, {handover::copydata, c.offset, "/tmp/x.rkp"}, error);
        ASSERT_GE(fd, 0) << error;
        handover::message m;
        int client;
        ASSERT_TRUE(l.receive(m, client));
        EXPECT_EQ(m.path, "/tmp/x.rkp");
        EXPECT_EQ(m.offset, c.expected) << c.offset;
        handover::listener::reply(client, 7);
        int32_t result = 0;
        EXPECT_TRUE(handover::waitreply(fd, 1000, result));
        EXPECT_EQ(result, 7);
    }
}

TEST_F(Handover, OversizedLengthIsRejected)
{
    handover::listener l;
    std::string error;
    ASSERT_TRUE(l.open(name, error)) << error;
    int fd = rawclient();
    uint32_t head[3] = {handover::copydata, 0, PATH_MAX + 1};
    ASSERT_EQ(write(fd, head, sizeof head), ssize_t(sizeof head));
    handover::message m;
    int client;
    EXPECT_FALSE(l.receive(m, client));
    int32_t result = 0;
    EXPECT_TRUE(handover::waitreply(fd, 1000, result));
    EXPECT_EQ(result, -1);
}

// Twenty clients that send nothing and one that sends a byte every 100 ms
// do not hold a whole message; each of them is answered -1 when its
// deadline has passed, the slow one while it still sends.
TEST_F(Handover, IdleAndSlowClientsAreCutAtTheirDeadline)
{
    handover::listener l;
    std::string error;
    ASSERT_TRUE(l.open(name, error)) << error;
    handover::message m;
    int client;
    long long taken = platform::msecs();
    std::vector<int> idle;
    for (int i = 0; i < 20; ++i) {   // taken one by one: the backlog is short
        idle.push_back(rawclient());
        EXPECT_FALSE(l.receive(m, client));
    }
    int slow = rawclient();
    std::string slowbytes = messagebytes("/tmp/slow.rkp");
    int good = handover::post(name, {handover::copydata, 0, "/tmp/good.rkp"}, error);
    ASSERT_GE(good, 0) << error;
    ASSERT_TRUE(l.receive(m, client));
    EXPECT_LT(platform::msecs() - taken, handover::deadlinems);
    EXPECT_EQ(m.path, "/tmp/good.rkp");
    handover::listener::reply(client, 7);
    int32_t result = 0;
    EXPECT_TRUE(handover::waitreply(good, 0, result));
    EXPECT_EQ(result, 7);

    size_t sent = 0;
    while (!answered(slow) && platform::msecs() - taken < 3 * handover::deadlinems) {
        if (sent < slowbytes.size()) {
            ASSERT_EQ(write(slow, &slowbytes[sent++], 1), 1);
        }
        for (long long until = platform::msecs() + 100, now; (now = platform::msecs()) < until;) {
            pollfd p{l.fd(), POLLIN, 0};
            poll(&p, 1, int(until - now));
            EXPECT_FALSE(l.receive(m, client)) << m.path;
        }
    }
    long long cut = platform::msecs() - taken;
    EXPECT_LT(sent, slowbytes.size());
    EXPECT_GE(cut, handover::deadlinems - 100);
    EXPECT_LE(cut, 2 * handover::deadlinems);
    for (int fd : idle) {
        result = 0;
        EXPECT_TRUE(handover::waitreply(fd, 0, result));
        EXPECT_EQ(result, -1);
    }
    EXPECT_TRUE(handover::waitreply(slow, 0, result));
    EXPECT_EQ(result, -1);
}

// The headless program with a script, listening under the name.
struct headlessprogram {
    headlessfront front;
    vemdrawprogram program{front};

    headlessprogram(const std::string& name, const std::string& script)
    {
        std::string file = fixturedir() + "/handoverscript.txt";
        std::ofstream(file) << script;
        std::string error;
        EXPECT_TRUE(front.load({file, fixturedir() + "/handoverout", 10}, error)) << error;
        setenv(handover::variable, name.c_str(), 1);
        setfront(&front);
        sethost(&program);
        EXPECT_TRUE(program.start(std::nullopt));
    }
    ~headlessprogram()
    {
        sethost(nullptr);
        setfront(nullptr);
    }
};

TEST_F(Handover, HeadlessProgramOpensAHandedPathAndRaises)
{
    std::string cwd = std::filesystem::current_path();
    headlessprogram p(name, "<dump handed>");
    std::string path = fixturedir() + "/sine.rkp", error;
    int raise = handover::post(name, {handover::raise, 0, ""}, error);
    int open = handover::post(name, {handover::copydata, uint32_t(path.size() + 3), path}, error);
    ASSERT_GE(open, 0) << error;
    EXPECT_EQ(p.front.run(), 0);
    int32_t result = -5;
    EXPECT_TRUE(handover::waitreply(raise, 1000, result));
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(handover::waitreply(open, 1000, result));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(p.front.presents(), 2);
    EXPECT_EQ(p.program.filename(), path);
    EXPECT_EQ(p.program.nameoffset(), path.rfind('/') + 1);   // the bad offset recomputed
    EXPECT_EQ(p.front.title(), "Vemdraw  " + path);
    EXPECT_EQ(std::filesystem::current_path(), fixturedir());
    std::filesystem::current_path(cwd);
}

// The window's handler takes a whole message at once while twenty idle
// clients and a slow one are connected: the window goes on serving.
TEST_F(Handover, IdleAndSlowClientsDoNotHoldTheWindow)
{
    headlessprogram p(name, "");
    long long start = platform::msecs();
    std::vector<int> idle;
    for (int i = 0; i < 20; ++i) {   // taken one by one: the backlog is short
        idle.push_back(rawclient());
        p.program.readable(-1);
    }
    int slow = rawclient();
    ASSERT_EQ(write(slow, "\x4a", 1), 1);
    std::string path = fixturedir() + "/sine.rkp", error;
    int good = handover::post(name, {handover::copydata, 0, path}, error);
    ASSERT_GE(good, 0) << error;
    p.program.readable(-1);
    EXPECT_LT(platform::msecs() - start, handover::deadlinems);
    EXPECT_EQ(p.program.filename(), path);
    EXPECT_EQ(p.program.diagrams().count, 1u);
    int32_t result = -5;
    EXPECT_TRUE(handover::waitreply(good, 0, result));
    EXPECT_EQ(result, 0);
    for (int fd : idle)
        close(fd);
    close(slow);
}

int handedsender = -1;
bool answeredbeforebox = false;

// A handed path that raises a box is answered first: the sender does not
// wait while the user reads the box.
TEST_F(Handover, AHandedPathIsAnsweredBeforeItsBox)
{
    headlessprogram p(name, "");
    for (std::string path : {fixturedir() + "/nosuchfile.rkp", fixturedir()}) {
        std::string error;
        handedsender = handover::post(name, {handover::copydata, 0, path}, error);
        ASSERT_GE(handedsender, 0) << error;
        answeredbeforebox = false;
        setboxsink([](const std::string&, const std::string&) {
            answeredbeforebox = answered(handedsender);
            return true;
        });
        p.program.readable(-1);
        setboxsink(nullptr);
        EXPECT_TRUE(answeredbeforebox) << path;
        int32_t result = -5;
        EXPECT_TRUE(handover::waitreply(handedsender, 0, result)) << path;
        EXPECT_EQ(result, 0);
    }
}

TEST_F(Handover, MessagesWaitWhileABoxIsOpen)
{
    headlessprogram p(name, "");
    std::string path = fixturedir() + "/sine.rkp", error;
    int fd = handover::post(name, {handover::copydata, 0, path}, error);
    ASSERT_GE(fd, 0) << error;
    {
        modalscope box;
        p.program.readable(-1);
        EXPECT_FALSE(p.program.filename());
    }
    int32_t result = -5;
    EXPECT_TRUE(handover::waitreply(fd, 1000, result));
    EXPECT_EQ(result, 0);
    capturedboxes();
    p.program.command(40024);   // the box ends: the queued path opens
    EXPECT_EQ(p.program.filename(), path);
    EXPECT_EQ(p.program.diagrams().count, 1u);
    setboxsink(nullptr);
}

}  // namespace

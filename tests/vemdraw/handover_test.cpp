// The hand-over channel and a headless VEMDRAW that receives a path and
// a raise from it.
#include "fixtures.h"

#include "vemdraw/messages.h"
#include "vemdraw/program.h"

#include "platform/core/handover.h"
#include "platform/headless/headless.h"

#include <gtest/gtest.h>

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

    std::string dir, name;
};

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
    std::string error, path;
    ASSERT_TRUE(l.open(name, error)) << error;
    ASSERT_TRUE(handover::socketpath(name, path, error));
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    std::snprintf(a.sun_path, sizeof a.sun_path, "%s", path.c_str());
    ASSERT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    uint32_t head[3] = {handover::copydata, 0, PATH_MAX + 1};
    ASSERT_EQ(write(fd, head, sizeof head), ssize_t(sizeof head));
    handover::message m;
    int client;
    EXPECT_FALSE(l.receive(m, client));
    int32_t result = 0;
    EXPECT_TRUE(handover::waitreply(fd, 1000, result));
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

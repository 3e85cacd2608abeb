// The hand-over to VEMDRAW against stub programs and an own listener.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/core/files.h"
#include "plots/startprinter.h"
#include "tests/screen/editrun.h"

namespace {

TEST(printermessage, OffsetIsTheDirectoryWithItsSeparator)
{
    platform::handover::message m = printermessage("/tmp/ab", "A.RKP");
    EXPECT_EQ(m.type, platform::handover::copydata);
    EXPECT_EQ(m.offset, 8u);
    EXPECT_EQ(m.path.size(), 13u);
    EXPECT_EQ(platform::handover::nameoffset(m.path), m.offset);
    m = printermessage("/tmp/ab", "");
    EXPECT_EQ(m.type, platform::handover::raise);
    EXPECT_EQ(m.path, "/tmp/ab/");
}

// A stub VEMDRAW: a script that notes its argument and socket name, then
// waits (or ends at once).
struct printerstub : ::testing::Test {
    std::filesystem::path dir = std::filesystem::temp_directory_path() / ("printer" + std::to_string(getpid()));
    std::string note = (dir / "note").string();

    printerstub() { std::filesystem::create_directories(dir); }
    ~printerstub() override
    {
        printer() = printerlink();
        std::filesystem::remove_all(dir);
    }
    void stub(const std::string& body)
    {
        std::string path = (dir / "stub").string();
        std::ofstream(path) << "#!/bin/sh\necho \"$1 $VEMDRAW_HANDOVER\" >> " << note << "\n" << body << "\n";
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        printer().program = path;
    }
    std::string noted()
    {
        for (int i = 0; i < 200; ++i) {
            std::string s;
            if (loadfile(note, s) && !s.empty())
                return s;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return std::string();
    }
    bool run(const std::string& name, std::string* screen = nullptr)
    {
        bool ok = false;
        hostrun r = rundialogue(screen ? "<dump q> " : "", [&] { ok = startprinter(dir.string(), name); });
        if (screen)
            *screen = dumptext(r, "q");
        return ok;
    }
};

TEST_F(printerstub, StartsWithThePathAndItsOwnSocketName)
{
    stub("exec sleep 5");
    std::ofstream((dir / "HUGO.RKP").string()) << "";
    EXPECT_TRUE(run("HUGO.RKP"));
    std::string n = noted();
    EXPECT_EQ(n, (dir / "HUGO.RKP").string() + " " + printer().socketname + "\n");
    EXPECT_TRUE(printer().child.running());
    kill(printer().child.pid(), SIGTERM);
}

TEST_F(printerstub, AMissingFileIsToldAndOnlyTheDirectoryGoes)
{
    stub("exit 0");
    std::string screen;
    EXPECT_TRUE(run("NONE.RKP", &screen));
    EXPECT_NE(screen.find("File does not exist"), std::string::npos) << screen;
    EXPECT_EQ(noted(), dir.string() + "/ " + printer().socketname + "\n");
}

TEST_F(printerstub, AnEndedVemdrawIsStartedAgain)
{
    stub("exit 0");
    EXPECT_TRUE(run(""));
    std::string first = printer().socketname;
    for (int i = 0; i < 200 && printer().child.running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(printer().child.running());
    EXPECT_TRUE(run(""));
    EXPECT_NE(printer().socketname, first);
}

TEST_F(printerstub, AListenerOfAnotherProcessIsRefused)
{
    stub("exec sleep 5");
    EXPECT_TRUE(run(""));
    platform::handover::listener own;
    std::string error;
    ASSERT_TRUE(own.open(printer().socketname, error)) << error;
    std::string screen;
    EXPECT_FALSE(run("", &screen));
    EXPECT_NE(screen.find("another program"), std::string::npos) << screen;
    kill(printer().child.pid(), SIGTERM);
}

TEST_F(printerstub, AReceiverThatNeverAnswersTimesOut)
{
    platform::handover::listener own;
    std::string error;
    std::string name = "silent" + std::to_string(getpid());
    ASSERT_TRUE(own.open(name, error)) << error;
    int32_t result = 0;
    auto begin = std::chrono::steady_clock::now();
    EXPECT_FALSE(platform::handover::send(name, printermessage("/tmp", "X.RKP"), 200, result, error, getpid()));
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(2));
    EXPECT_FALSE(platform::handover::send(name, printermessage("/tmp", "X.RKP"), 200, result, error, getpid() + 1));
    EXPECT_NE(error.find("another program"), std::string::npos) << error;
}

}  // namespace

// The program as started from a shell: options, fronts, exit statuses.
#include "app/options.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string vemo = std::string(VEMO_BIN_DIR) + "/vemo";

int status(const std::string& command)
{
    int rc = std::system((command + " >/dev/null 2>&1").c_str());
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

std::string freshfolder()
{
    char folder[] = "/tmp/vemorunXXXXXX";
    return mkdtemp(folder);
}

// Runs vemo headless on a script in folder dir (dumps go to dir/out);
// extra goes before the command, switches after it.
int scriptedin(const std::string& dir, const std::string& script, const std::string& extra = "",
               const std::string& switches = "")
{
    std::ofstream(dir + "/s.txt") << script;
    return status(extra + " " + vemo + " " + switches + " --headless --script " + dir + "/s.txt --out " + dir
                  + "/out --timeout 10");
}

int scripted(const std::string& script, const std::string& extra = "")
{
    return scriptedin(freshfolder(), script, extra);
}

// A command line prefix that runs a command under an X server of its own.
std::string xserver()
{
    return "bash " + std::string(VEMO_SOURCE_DIR) + "/tools/xserver.sh";
}

}  // namespace

TEST(vemo, ExitStatuses)
{
    struct {
        std::string args;
        int status;
    } cases[] = {
        {"--version", 0},
        {"--help", 0},
        {"--headless", 2},
        {"--frobnicate", 2},
        {"--script x --out y", 2},
        {"--headless --script /nonexistent/s.txt --out /tmp", 2},
        {"--headless --timeout 0 --script s --out o", 2},
        {"--headless --script /tmp --out /tmp", 2},  // the script is a folder
    };
    for (auto& c : cases)
        EXPECT_EQ(status(vemo + " " + c.args), c.status) << c.args;
}

TEST(vemo, HeadlessRuns)
{
    EXPECT_EQ(scripted("abc<A-x>"), 0);
    EXPECT_EQ(scripted("abc<close>"), 0);
    EXPECT_EQ(scripted("abc"), 0);  // the end of the script closes the window
    EXPECT_EQ(scripted("<A-x>yabc"), 3);  // items left after quitting
    EXPECT_EQ(scripted("<nonsense item>"), 3);
    EXPECT_EQ(scripted("\xe4\xb8\x80"), 3);  // a character that no text font shows
}

TEST(vemo, MalformedScriptsEndWithStatus3)
{
    for (const char* script : {"<click 2147483647 1>", "<click 1 -2147483648>", "<key -1>", "<key 99999999999>",
                               "<menu 99999999999>", "ab<"})
        EXPECT_EQ(scripted(script), 3) << script;
}

TEST(vemo, ADumpThatCannotBeWrittenEndsWithStatus4)
{
    std::string dir = freshfolder();
    std::filesystem::create_directories(dir + "/out/shot.txt");  // a folder where the file goes
    EXPECT_EQ(scriptedin(dir, "a<dump shot>b<A-x>"), 4);
    EXPECT_EQ(scriptedin(dir, "a<dump other><A-x>"), 0);
    std::filesystem::remove_all(dir);
}

TEST(vemo, WithoutDisplayNeedsHeadless)
{
    EXPECT_EQ(status("env -u DISPLAY -u WAYLAND_DISPLAY " + vemo), 2);
}

TEST(vemo, SwitchesStayForTheProgram)
{
    const char* argv[] = {"vemo", "-F", "OEM", "18", "10", "400", "--headless", "/p", "h",
                          "--script", "/tmp/a b", "--out", "o", "/home/x"};
    programoptions o;
    std::string error;
    ASSERT_TRUE(parseoptions(14, argv, o, error)) << error;
    EXPECT_TRUE(o.headless);
    EXPECT_EQ(o.script, "/tmp/a b");
    EXPECT_EQ(o.words, (std::vector<std::string>{"-F", "OEM", "18", "10", "400", "/p", "h", "/home/x"}));
}

TEST(vemo, GtkWindowTakesKeysAndClosesWithAltF4)
{
    if (status("command -v Xvfb") != 0)
        GTEST_SKIP() << "Xvfb is missing";
    std::string script = std::string(VEMO_SOURCE_DIR) + "/tests/screen/scripts/gtksmoke.sh";
    int rc = std::system((xserver() + " bash " + script + " " + vemo).c_str());
    EXPECT_TRUE(WIFEXITED(rc));
    EXPECT_EQ(WEXITSTATUS(rc), 0);
}

// tools/run.sh sets up and builds in the checkout but starts the program in
// the directory it was run from: a checkout whose set-up and build do
// nothing and whose program writes down where it runs.
TEST(vemo, RunScriptStartsInTheCallersDirectory)
{
    namespace fs = std::filesystem;
    std::string checkout = freshfolder(), caller = freshfolder();
    fs::create_directories(checkout + "/tools");
    fs::create_directories(checkout + "/build/bin");
    fs::copy_file(std::string(VEMO_SOURCE_DIR) + "/tools/run.sh", checkout + "/tools/run.sh");
    std::ofstream(checkout + "/tools/setup.sh") << "pwd >\"" << checkout << "/setup.pwd\"\n";
    std::ofstream(checkout + "/tools/build.sh") << "true\n";
    std::string program = checkout + "/build/bin/vemo";
    std::ofstream(program) << "#!/bin/sh\npwd >\"" << checkout << "/vemo.pwd\"\necho \"$@\" >>\"" << checkout
                           << "/vemo.pwd\"\n";
    fs::permissions(program, fs::perms::owner_all);
    EXPECT_EQ(status("cd " + caller + " && bash " + checkout + "/tools/run.sh -a"), 0);
    auto contents = [](const std::string& file) {
        std::ifstream in(file);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        return text;
    };
    EXPECT_EQ(contents(checkout + "/setup.pwd"), fs::canonical(checkout).string() + "\n");
    EXPECT_EQ(contents(checkout + "/vemo.pwd"), fs::canonical(caller).string() + "\n-a\n");
    fs::remove_all(checkout);
    fs::remove_all(caller);
}

// Runs a GTK script of tests/screen/scripts on vemo under an X server of its
// own, without a window manager and with openbox (tools/setup.sh installs it).
static void rungtkscript(const std::string& name)
{
    std::string script = std::string(VEMO_SOURCE_DIR) + "/tests/screen/scripts/" + name;
    for (std::string wm : {"", "openbox"}) {
        if (!wm.empty() && status("command -v " + wm) != 0) {
            ADD_FAILURE() << wm << " is missing (tools/setup.sh)";
            continue;
        }
        int rc = std::system(("WM=" + wm + " " + xserver() + " bash " + script + " " + vemo).c_str());
        EXPECT_TRUE(WIFEXITED(rc) && WEXITSTATUS(rc) == 0) << "window manager: " << (wm.empty() ? "none" : wm);
    }
}

// Native boxes close when answered and give the keys back to the window.
TEST(vemo, GtkBoxesCloseWhenAnswered)
{
    if (status("command -v Xvfb") != 0)
        GTEST_SKIP() << "Xvfb is missing";
    rungtkscript("gtkboxes.sh");
}

// Closing the window ends the program through its orderly end from a box
// shown for a moment, a box waiting for a key, a menu, a dialogue, a list
// and a running computation.
TEST(vemo, GtkWindowClosesFromEveryState)
{
    if (status("command -v Xvfb") != 0)
        GTEST_SKIP() << "Xvfb is missing";
    rungtkscript("gtkclose.sh");
}

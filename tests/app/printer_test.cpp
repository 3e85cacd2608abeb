// Both programs as built: the plot environment's print key writes the
// transfer file and VEMO starts VEMDRAW on it (here VEMDRAW runs headless
// through a starter beside a copy of VEMO, where VEMO looks for it first).
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/screen/workfolder.h"

namespace {

namespace fs = std::filesystem;

// A folder with bin/vemo (a copy), bin/vemdraw (a starter of the built
// VEMDRAW, headless on draw.txt, dumping into drawn/PID, each start noted
// in started) and the work directory work/.
struct twoprograms : workfolder {
    fs::path root;
    fs::path bin, work, drawn;

    void SetUp() override
    {
        workfolder::SetUp();
        root = folder;
        bin = root / "bin";
        work = root / "work";
        drawn = root / "drawn";
        fs::create_directories(bin);
        fs::create_directories(work);
        fs::create_directories(drawn);
        fs::copy_file(std::string(VEMO_BIN_DIR) + "/vemo", bin / "vemo");
        std::ofstream(bin / "vemdraw") << "#!/bin/sh\necho \"$*\" >> " << (root / "started").string() << "\nexec "
                                       << VEMO_BIN_DIR << "/vemdraw --headless --script "
                                       << (root / "draw.txt").string() << " --out " << drawn.string()
                                       << "/$$ --timeout 20 \"$@\"\n";
        fs::permissions(bin / "vemdraw", fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
        std::ofstream(root / "draw.txt") << "<dump shown>";
    }
    void TearDown() override
    {
        chmod(work.c_str(), 0755);
        workfolder::TearDown();
    }
    // Runs the copy of VEMO in the work directory on a script; its status.
    int vemo(const std::string& script, const std::string& prefix = "")
    {
        std::ofstream(root / "s.txt") << script;
        std::string command = "cd " + work.string() + " && " + prefix + " " + (bin / "vemo").string()
                              + " --headless --script " + (root / "s.txt").string() + " --out "
                              + (root / "out").string() + " --timeout 20 >/dev/null 2>&1";
        int rc = std::system(command.c_str());
        return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    }
    // The dump folders of the VEMDRAWs started, once each holds its whole
    // dump (at most 20 s).
    std::vector<fs::path> dumps()
    {
        std::vector<fs::path> done;
        for (int i = 0; i < 400; ++i) {
            std::istringstream started(slurp(root / "started"));
            size_t n = 0;
            for (std::string line; std::getline(started, line);)
                ++n;
            done.clear();
            if (fs::is_directory(drawn))
                for (const auto& d : fs::directory_iterator(drawn))
                    if (slurp(d.path() / "shown.txt").find("boxes:") != std::string::npos
                        && redpixels(d.path() / "shown.png") >= 0)
                        done.push_back(d.path());
            if (n && done.size() == n)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return done;
    }
    // Pixels of the curve's colour (red) in a picture, counted by an image
    // decoder of its own; -1 when it cannot be read.
    static int redpixels(const fs::path& png)
    {
        std::string command = "/usr/bin/python3 -c \"import sys; from PIL import Image; im = "
                              "Image.open(sys.argv[1]).convert('RGB'); print(sum(1 for p in im.getdata() if p[0] > "
                              "200 and p[1] < 80 and p[2] < 80))\" "
                              + png.string() + " 2>/dev/null";
        FILE* pipe = popen(command.c_str(), "r");
        int n = -1;
        if (pipe) {
            if (std::fscanf(pipe, "%d", &n) != 1)
                n = -1;
            pclose(pipe);
        }
        return n;
    }
};

// sin x on 0 .. 6.28 in red as a designer plot; "P" then "s" in the plot
// environment.
const std::string sineplot = "esin(x)<Enter><Enter>1<Enter>ppn0<Enter>6.28<Enter>-1.5<Enter>1.5<Enter>r";

TEST_F(twoprograms, PrintThenShowHandsTheFileToVemdraw)
{
    ASSERT_EQ(vemo(sineplot + "P<text plot1>s<Esc><close>"), 0);
    std::vector<fs::path> shown = dumps();
    ASSERT_FALSE(shown.empty());
    std::string file = (work / "PLOT1.RKP").string();
    EXPECT_TRUE(fs::is_regular_file(file));
    EXPECT_EQ(slurp(root / "started").substr(0, file.size() + 1), file + "\n");
    for (const fs::path& d : shown) {
        std::string text = slurp(d / "shown.txt");
        EXPECT_NE(text.find("title: Vemdraw  " + file), std::string::npos) << text;
        EXPECT_NE(text.find("boxes:\n"), std::string::npos) << text;
        EXPECT_GT(redpixels(d / "shown.png"), 300) << d;
    }
}

TEST_F(twoprograms, AFailedWriteTellsAndHandsNothingOver)
{
    std::ofstream(work / "PLOT1.RKP") << "old";
    chmod(work.c_str(), 0555);
    chmod(root.c_str(), 0755);
    fs::create_directories(root / "out");
    chmod((root / "out").c_str(), 0777);
    // Root writes anywhere: then VEMO runs as nobody.
    std::string prefix = geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups" : "";
    EXPECT_EQ(vemo(sineplot + "P<text plot1><ok><dump failed>x<Esc><close>", prefix), 0);
    std::string failed = slurp(root / "out" / "failed.txt");
    EXPECT_NE(failed.find("Error encountered while writing"), std::string::npos) << failed;
    EXPECT_NE(failed.find("PLOT1.RKP"), std::string::npos) << failed;
    EXPECT_NE(failed.find("Permission denied"), std::string::npos) << failed;
    EXPECT_EQ(slurp(work / "PLOT1.RKP"), "old");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(fs::exists(root / "started"));
}

}  // namespace

// A damaged vemo.rev loses no calculator that can be read: the reader goes
// on at the next block, keeps the file as it was in vemo.bad before the
// orderly end writes vemo.rev again, and says so once at start-up.
#include <gtest/gtest.h>

#include <random>

#include "base/limits.h"

#include "revolver/revolver.h"
#include "tests/revolver/vemorun.h"

namespace {

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// The golden ring without the block of one calculator.
std::string without(const std::string& index)
{
    std::string g = goldenrev();
    size_t start = g.find("@CALCULATOR\n" + index + "\n");
    size_t end = g.find("@END CALCULATOR\n", start) + 16;
    return g.erase(start, end - start);
}

std::string garbage()
{
    std::mt19937 random(7);
    std::string bytes(4000, 0);
    for (char& b : bytes)
        b = char(random());
    return bytes;
}

// A formula of n characters, "1+1+...".
std::string sum(size_t n)
{
    std::string f;
    while (f.size() < n)
        f += f.empty() ? "1" : "+1";
    return f.substr(0, n);
}

TEST(revfile, WhatIsNotTakenWholeIsToldAndKept)
{
    const std::string g = goldenrev();
    std::string crlf;
    for (char c : g)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const std::string longargs = "abcx" + std::string(60, 'y');
    struct {
        const char* name;
        std::string file, kept;   // what is read; what the next end writes
        const char* notice;       // on the first screen; null: none, no vemo.bad
    } cases[] = {
        {"a stray line ends block 2 after its formula", replaced(g, "a*b-c\n", "a*b-c\n@BOGUS\n"), g,
         "1 damaged block(s)"},
        {"block 2's index is no number", replaced(g, "@CALCULATOR\n2\n", "@CALCULATOR\nzz\n"), without("2"),
         "1 damaged block(s)"},
        {"block 2's index is beyond the ring", replaced(g, "@CALCULATOR\n2\n", "@CALCULATOR\n240\n"), without("2"),
         "1 damaged block(s)"},
        {"a block without its end", replaced(g, "a*b-c\n@END CALCULATOR\n", "a*b-c\n"), g, "1 damaged block(s)"},
        {"noise between blocks", replaced(g, "@CALCULATOR\n2\n", "noise\n\x01\x02\n@CALCULATOR\n2\n"), g,
         "1 damaged block(s)"},
        {"cut inside the Runge-Kutta record", g.substr(0, g.find("@INIVALSCONST")), without("4"),
         "1 damaged block(s)"},
        {"two damaged blocks", replaced(replaced(g, "@ORDER\n1\n", "@ORDER\n99\n"), "@CALCULATOR\n2\n", "@CALCULATOR\n2\n@BODYX\n"),
         without("2").substr(0, without("2").find("@CALCULATOR\n4")), "2 damaged block(s)"},
        {"binary garbage", garbage(), "VE REVOLVERFILE\n", "invalid format"},
        {"a wrong first line", replaced(g, "VE REVOLVERFILE\n", "VE REVOLVERFILES\n"), "VE REVOLVERFILE\n",
         "invalid format"},
        {"a formula longer than a calculator holds", replaced(g, "2*x+1\n", sum(limits::formulalength + 1) + "\n"),
         replaced(g, "2*x+1\n", sum(limits::formulalength) + "\n"), "1 damaged block(s)"},
        {"a NUL in a formula", replaced(g, "a*b-c\n", std::string("a*b\0-c\n", 7)), replaced(g, "a*b-c\n", "a*b\n"),
         "1 damaged block(s)"},
        {"more argument letters than a calculator holds", replaced(g, "abcx\n", longargs + "\n"),
         replaced(g, "abcx\n", longargs.substr(0, limits::arglistlength) + "\n"), "1 damaged block(s)"},
        {"an order that is no whole count", replaced(g, "@ORDER\n1\n", "@ORDER\n1e3\n"), g, "1 damaged block(s)"},
        {"a start value with more than the number", replaced(g, "0\n1\n@END RK", "0\n1." + std::string(100, '0') + "x\n@END RK"),
         g, "1 damaged block(s)"},
        {"a long independent variable", replaced(g, "@IV\nt\n", "@IV\n" + std::string(10000, 't') + "\n"), g,
         "1 damaged block(s)"},
        {"CR LF line ends", crlf, g, nullptr},
        {"a formula ending in CR", replaced(g, "a*b-c\n", "a*b-c\r\n"), replaced(g, "a*b-c\n", "a*b-c\r\n"), nullptr},
        {"the longest formula", replaced(g, "2*x+1\n", sum(limits::formulalength) + "\n"),
         replaced(g, "2*x+1\n", sum(limits::formulalength) + "\n"), nullptr},
        {"numbers spelled otherwise", replaced(replaced(g, "@CALCULATOR\n2\n", "@CALCULATOR\n02 \n"), "0\n1\n@END RK", "0.0\n1.00\n@END RK"),
         g, nullptr},
        {"a Runge-Kutta block without start values (zeros)", replaced(g, "@INIVALSCONST\n0\n1\n", ""),
         replaced(g, "@INIVALSCONST\n0\n1\n", "@INIVALSCONST\n0\n0\n"), nullptr},
    };
    for (const auto& c : cases) {
        vemorun v;
        v.write("vemo.rev", c.file);
        ASSERT_EQ(v.run("<dump start>"), 0) << c.name << ": " << v.read("stderr.txt");
        EXPECT_EQ(v.read("vemo.rev"), c.kept) << c.name;
        if (c.notice) {
            EXPECT_EQ(v.read("vemo.bad"), c.file) << c.name;
            EXPECT_NE(v.screen("start").find(c.notice), std::string::npos) << c.name << "\n" << v.screen("start");
            EXPECT_NE(v.screen("start").find("vemo.bad"), std::string::npos) << c.name;
        } else {
            EXPECT_FALSE(v.exists("vemo.bad")) << c.name;
        }
    }
}

// Every save rotates the backup: vemo.bak is the file as the run found it.
TEST(revfile, EverySaveKeepsThePreviousFileAsBackup)
{
    vemorun v;
    v.write("vemo.rev", goldenrev());
    v.write("vemo.bak", "an old backup\n");
    ASSERT_EQ(v.run("<Right><Right><Right><Del><Esc>"), 0);
    EXPECT_EQ(v.read("vemo.bak"), goldenrev());
    EXPECT_EQ(v.read("vemo.rev").find("@RKITERATOR"), std::string::npos);
    ASSERT_EQ(v.run(""), 0);
    EXPECT_EQ(v.read("vemo.bak"), v.read("vemo.rev"));
}

// A state file that cannot be replaced stays as it was, and the user is
// told; the program still ends normally.
TEST(revfile, AFailedSaveKeepsTheOldFile)
{
    vemorun v;
    v.write("vemo.rev", goldenrev());
    std::filesystem::create_directory(v.path("vemo.bak"));   // the backup cannot be made
    ASSERT_EQ(v.run("<Del><Esc><close><dump told>"), 0);
    EXPECT_EQ(v.read("vemo.rev"), goldenrev());
    EXPECT_NE(v.screen("told").find("Could not write the file vemo.rev"), std::string::npos);
}

// The keepers stand beside the state file, whatever the folders' names.
TEST(revfile, KeeperNamesTakeEightCharactersOfTheFileName)
{
    EXPECT_EQ(keepername("vemo.rev", "bad"), "vemo.bad");
    EXPECT_EQ(keepername("/tmp/a.b/vemo.rev", "bak"), "/tmp/a.b/vemo.bak");
    EXPECT_EQ(keepername("dir/longstatename.rev", "bad"), "dir/longstat.bad");
}

// A state file the program may not read is told and left as it stands,
// however often the program runs.
TEST(revfile, AnUnreadableFileIsToldAndNeverWrittenOver)
{
    vemorun v;
    v.write("vemo.rev", goldenrev());
    std::filesystem::permissions(v.path("vemo.rev"), std::filesystem::perms::none);
    if (geteuid() == 0)   // root reads it all the same: run as nobody
        v.asnobody();
    for (int run = 0; run < 2; ++run) {
        ASSERT_EQ(v.run("<dump start>"), 0) << v.read("stderr.txt");
        EXPECT_NE(v.screen("start").find("File vemo.rev cannot be read"), std::string::npos) << v.screen("start");
        EXPECT_FALSE(v.exists("vemo.bak"));
        EXPECT_FALSE(v.exists("vemo.bad"));
        std::filesystem::permissions(v.path("vemo.rev"), std::filesystem::perms::owner_read);
        EXPECT_EQ(v.read("vemo.rev"), goldenrev());
        std::filesystem::permissions(v.path("vemo.rev"), std::filesystem::perms::none);
    }
}

// A state file that is a symbolic link stays one, its target gets the
// ring; temporaries that killed saves left are gone at the next start.
TEST(revfile, LinksAreWrittenThroughAndStaleTemporariesGo)
{
    vemorun v;
    std::filesystem::create_directory(v.path("keep"));
    v.write("keep/ring.rev", goldenrev());
    std::filesystem::create_symlink("keep/ring.rev", v.path("vemo.rev"));
    v.write("keep/ring.rev.k1LL3d", "a save that was killed");
    v.write("vemo.rev.other", "not ours");
    ASSERT_EQ(v.run("<Del>"), 0) << v.read("stderr.txt");
    EXPECT_TRUE(std::filesystem::is_symlink(v.path("vemo.rev")));
    EXPECT_EQ(v.read("keep/ring.rev"), without("1"));
    EXPECT_EQ(v.read("vemo.bak"), goldenrev());
    EXPECT_FALSE(v.exists("keep/ring.rev.k1LL3d"));
    EXPECT_TRUE(v.exists("vemo.rev.other"));
}

}  // namespace

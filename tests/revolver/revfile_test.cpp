// A damaged vemo.rev loses no calculator that can be read: the reader goes
// on at the next block, keeps the file as it was in vemo.bad before the
// orderly end writes vemo.rev again, and says so once at start-up.
#include <gtest/gtest.h>

#include <random>

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

TEST(revfile, DamagedFilesKeepWhatCanBeRead)
{
    const std::string g = goldenrev();
    std::string crlf;
    for (char c : g)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    struct {
        const char* name;
        std::string file, kept;   // what is read; what the next end writes
        const char* notice;       // on the first screen; null: none, no vemo.bad
    } cases[] = {
        {"a stray line ends block 2 after its formula", replaced(g, "a*b-c\n", "a*b-c\n@BOGUS\n"), g, "faulty"},
        {"block 2's index is no number", replaced(g, "@CALCULATOR\n2\n", "@CALCULATOR\nzz\n"), without("2"),
         "faulty"},
        {"block 2's index is beyond the ring", replaced(g, "@CALCULATOR\n2\n", "@CALCULATOR\n240\n"), without("2"),
         "faulty"},
        {"a block without its end", replaced(g, "a*b-c\n@END CALCULATOR\n", "a*b-c\n"), g, "faulty"},
        {"noise between blocks", replaced(g, "@CALCULATOR\n2\n", "noise\n\x01\x02\n@CALCULATOR\n2\n"), g, "faulty"},
        {"cut inside the Runge-Kutta record", g.substr(0, g.find("@INIVALSCONST")), without("4"), "faulty"},
        {"binary garbage", garbage(), "VE REVOLVERFILE\n", "invalid format"},
        {"CR LF line ends", crlf, g, nullptr},
    };
    for (const auto& c : cases) {
        vemorun v;
        v.write("vemo.rev", c.file);
        ASSERT_EQ(v.run("<dump start>"), 0) << c.name << ": " << v.read("stderr.txt");
        EXPECT_EQ(v.read("vemo.rev"), c.kept) << c.name;
        if (c.notice) {
            EXPECT_EQ(v.read("vemo.bad"), c.file) << c.name;
            EXPECT_NE(v.screen("start").find(c.notice), std::string::npos) << c.name;
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

}  // namespace

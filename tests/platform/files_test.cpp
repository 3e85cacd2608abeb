#include "platform/core/files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct filesdir : ::testing::Test {
    std::string dir;
    void SetUp() override
    {
        char pattern[] = "/tmp/vemofilesXXXXXX";
        dir = mkdtemp(pattern);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string at(const std::string& name) const { return dir + "/" + name; }
    void put(const std::string& name, const std::string& bytes) const
    {
        ASSERT_TRUE(savefile(at(name), bytes));
    }
    std::string get(const std::string& name) const
    {
        std::string bytes;
        EXPECT_TRUE(loadfile(at(name), bytes));
        return bytes;
    }
};

TEST(files, matchname)
{
    struct {
        const char* pattern;
        const char* name;
        bool match;
    } cases[] = {
        {"*.lib", "DESKTOP.LIB", true}, {"*.lib", "a.lib", true}, {"*.lib", ".lib", true},
        {"*.lib", "a.lb", false},       {"*.lib", "a.libx", false}, {"*.lib", "a.lib.bak", false},
        {"?.lb", "x.LB", true},         {"?.lb", "xy.lb", false},   {"*a*b", "xaxxb", true},
        {"*a*b", "xaxxbc", false},      {"*", "", true},            {"", "a", false},
    };
    for (auto& c : cases)
        EXPECT_EQ(matchname(c.pattern, c.name), c.match) << c.pattern << " " << c.name;
}

TEST_F(filesdir, resolvesIgnoringCaseAndPrefersExact)
{
    put("DESKTOP.LIB", "upper");
    EXPECT_EQ(resolvefile(dir, "desktop.lib"), at("DESKTOP.LIB"));
    EXPECT_TRUE(fileexists(at("Desktop.Lib")));
    EXPECT_EQ(filesize(at("desktop.lib")), 5);
    EXPECT_EQ(get("desktop.lib"), "upper");
    put("desktop.lib", "lower");  // resolves to the existing file
    EXPECT_EQ(get("DESKTOP.LIB"), "lower");
    EXPECT_FALSE(fs::exists(at("desktop.lib")));

    fs::copy_file(at("DESKTOP.LIB"), at("desktop.lib"));
    EXPECT_EQ(resolvefile(dir, "desktop.lib"), at("desktop.lib"));
    EXPECT_EQ(resolvefile(dir, "Desktop.lib"), at("DESKTOP.LIB"));  // first in byte order
    EXPECT_EQ(resolvefile(dir, "new.lib"), at("new.lib"));
    EXPECT_EQ(filesize(at("none")), -1);
}

TEST_F(filesdir, listsByPatternSortedIgnoringCase)
{
    for (const char* name : {"b.lib", "A.LIB", "c.Lib", "d.lb", "e.lib.x"})
        put(name, "");
    fs::create_directory(at("dir.lib"));
    std::vector<std::string> names;
    ASSERT_TRUE(listfiles(dir, "*.lib", names));
    EXPECT_EQ(names, (std::vector<std::string>{"A.LIB", "b.lib", "c.Lib"}));
    EXPECT_FALSE(listfiles(at("missing"), "*", names));
    EXPECT_FALSE(fileerror().empty());
}

TEST_F(filesdir, renameAndRemove)
{
    put("a", "1");
    put("B", "2");
    EXPECT_FALSE(renamefile(at("a"), at("b"), false));  // B exists, ignoring case
    EXPECT_EQ(get("a"), "1");
    EXPECT_TRUE(renamefile(at("a"), at("c"), false));
    EXPECT_FALSE(fileexists(at("a")));
    EXPECT_TRUE(renamefile(at("C"), at("b"), true));
    EXPECT_EQ(get("B"), "1");
    EXPECT_TRUE(removefile(at("b")));
    EXPECT_FALSE(fileexists(at("B")));
    EXPECT_FALSE(removefile(at("b")));
}

TEST_F(filesdir, atomicSaveKeepsOldFileOnFailure)
{
    put("x.lib", "old");
    simulatesavefailure(true);
    EXPECT_FALSE(savefile(at("x.lib"), "new", at("x.bak")));
    simulatesavefailure(false);
    EXPECT_NE(fileerror().find("x.lib"), std::string::npos);
    EXPECT_EQ(get("x.lib"), "old");
    EXPECT_FALSE(fileexists(at("x.bak")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

    EXPECT_TRUE(savefile(at("x.lib"), "new", at("x.bak")));
    EXPECT_EQ(get("x.lib"), "new");
    EXPECT_EQ(get("x.bak"), "old");
    EXPECT_TRUE(savefile(at("x.lib"), "newer", at("x.bak")));
    EXPECT_EQ(get("x.bak"), "new");  // a second save replaces the backup

    {
        atomicsave dropped(at("x.lib"));
        ASSERT_NE(dropped.stream(), nullptr);
        fputs("never", dropped.stream());
    }
    EXPECT_EQ(get("x.lib"), "newer");
    EXPECT_FALSE(savefile(at("nodir/y"), "z"));
}

// A directory that took the file's name is neither moved to the backup
// nor replaced, and renaming refuses it.
TEST_F(filesdir, directoryInPlaceOfTheFileIsRefused)
{
    fs::create_directory(at("x.lib"));
    EXPECT_FALSE(savefile(at("x.lib"), "new", at("x.bak")));
    EXPECT_NE(fileerror().find("x.lib"), std::string::npos) << fileerror();
    EXPECT_TRUE(fs::is_directory(at("x.lib")));
    EXPECT_FALSE(fs::exists(at("x.bak")));
    EXPECT_FALSE(renamefile(at("x.lib"), at("y.lib"), true));
    EXPECT_FALSE(renamefile(at("x.lib"), at("y.lib"), false));
    EXPECT_TRUE(fs::is_directory(at("x.lib")));
    put("z", "1");
    EXPECT_FALSE(renamefile(at("z"), at("x.lib"), true));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

// Under a file-size limit the save fails as a write error: the process
// lives on, the old file stays and no temporary file is left.
TEST_F(filesdir, fileSizeLimitFailsTheSave)
{
    put("x.lib", "old");
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        rlimit limit{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        bool saved = savefile(at("x.lib"), std::string(4096, 'n'), at("x.bak"));
        _exit(!saved && fileerror().find("x.lib") != std::string::npos ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_FALSE(WIFSIGNALED(status)) << strsignal(WTERMSIG(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(get("x.lib"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

// A target that is a symbolic link stays one: the save goes to the file
// it leads to, also through a relative link into another folder.
TEST_F(filesdir, aSaveWritesThroughSymbolicLinks)
{
    fs::create_directory(at("real"));
    put("real/x.rev", "old");
    fs::create_symlink("real/x.rev", at("x.rev"));
    fs::create_symlink(at("x.rev"), at("y.rev"));
    EXPECT_TRUE(savefile(at("x.rev"), "new", at("x.bak")));
    EXPECT_TRUE(fs::is_symlink(at("x.rev")));
    EXPECT_EQ(get("real/x.rev"), "new");
    EXPECT_EQ(get("x.bak"), "old");
    EXPECT_TRUE(savefile(at("y.rev"), "newer"));
    EXPECT_TRUE(fs::is_symlink(at("y.rev")));
    EXPECT_EQ(get("real/x.rev"), "newer");
    EXPECT_EQ(std::distance(fs::directory_iterator(at("real")), fs::directory_iterator()), 1);

    fs::create_symlink(at("loop2"), at("loop1"));
    fs::create_symlink(at("loop1"), at("loop2"));
    EXPECT_FALSE(savefile(at("loop1"), "z"));
    EXPECT_TRUE(fs::is_symlink(at("loop1")));
}

// Temporaries of killed saves go; those of a running save, and files of
// other names, stay.
TEST_F(filesdir, staleTemporariesOfTheSavesAreRemoved)
{
    for (const char* name : {"x.rev", "x.rev.Ab12yZ", "x.rev.000000", "x.rev.abc", "x.rev.abcdefg", "x.rev.ab-def",
                             "y.rev.Ab12yZ"})
        put(name, "t");
    fs::create_directory(at("x.rev.dir000"));
    atomicsave running(at("x.rev"));
    ASSERT_NE(running.stream(), nullptr);
    EXPECT_EQ(removestaletemporaries(at("x.rev")), 2);
    EXPECT_FALSE(fs::exists(at("x.rev.Ab12yZ")));
    EXPECT_FALSE(fs::exists(at("x.rev.000000")));
    for (const char* name : {"x.rev", "x.rev.abc", "x.rev.abcdefg", "x.rev.ab-def", "x.rev.dir000", "y.rev.Ab12yZ"})
        EXPECT_TRUE(fs::exists(at(name))) << name;
    // and the running save's own
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 7);
    EXPECT_TRUE(running.write("new") && running.commit());
    EXPECT_EQ(get("x.rev"), "new");
}

TEST_F(filesdir, lineReaderStripsOneCrAndCutsLongLines)
{
    put("t", "ab\r\ncd\r\r\n\nxyz\r\n12345\n1234\r\nlast");
    linereader in(at("T"), 4);
    ASSERT_TRUE(in.opened());
    struct {
        const char* text;
        bool cut;
    } expected[] = {{"ab", false}, {"cd\r", false}, {"", false}, {"xyz", false},
                    {"1234", true}, {"1234", false}, {"last", false}};
    std::string line;
    for (auto& e : expected) {
        ASSERT_TRUE(in.next(line));
        EXPECT_EQ(line, e.text);
        EXPECT_EQ(in.toolong(), e.cut) << e.text;
    }
    EXPECT_FALSE(in.next(line));
    EXPECT_FALSE(in.failed());
    EXPECT_EQ(in.number(), 7);

    linereader missing(at("none"), 10);
    EXPECT_FALSE(missing.opened());
    EXPECT_FALSE(missing.next(line));
}

TEST_F(filesdir, unreadableFileIsAnError)
{
    fs::create_directory(at("d.lib"));
    std::string bytes;
    EXPECT_FALSE(loadfile(at("d.lib"), bytes));
    linereader in(at("d.lib"), 10);
    std::string line;
    EXPECT_FALSE(in.next(line));
    EXPECT_TRUE(!in.opened() || in.failed());
}

} // namespace

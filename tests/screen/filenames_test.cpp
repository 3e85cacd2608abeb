// File naming in a fresh work directory.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <string>

#include "base/limits.h"
#include "screen/filenames.h"
#include "tests/screen/workfolder.h"

namespace {

using filenames = workfolder;

TEST_F(filenames, NamesOutsideTheWorkDirectoryAreRefused)
{
    std::ofstream("EXIST.TXT") << "keep";
    struct {
        const char* name;
        int result;
    } cases[] = {
        {"", 0}, {"a/b", 0}, {"/tmp", 0}, {"a\\b", 0}, {".hidden", 0}, {"..", 0}, {"tab\tname", 0},
        {"new.txt", 1}, {"NEW", 1}, {"exist.txt", 2}, {"EXIST.TXT", 2},
    };
    for (auto c : cases)
        EXPECT_EQ(isfilename(c.name), c.result) << c.name;
    EXPECT_EQ(isfilename(nullptr), 0);
    // The probes left nothing behind.
    EXPECT_TRUE(holds(1));
}

TEST_F(filenames, TheProbeNeverTouchesAnExistingFile)
{
    std::ofstream("data") << "contents";
    struct stat before, after;
    ASSERT_EQ(stat("data", &before), 0);
    usleep(20000);
    EXPECT_EQ(isfilename("data"), 2);
    ASSERT_EQ(stat("data", &after), 0);
    EXPECT_EQ(slurp("data"), "contents");
    EXPECT_EQ(before.st_mtim.tv_nsec, after.st_mtim.tv_nsec);
    EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST_F(filenames, ExistsGivesTheSizePlusOneIn64Bits)
{
    std::ofstream("empty");
    std::ofstream("Three") << "abc";
    int fd = open("big", O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    const uint64_t big = 5ull << 30;   // sparse: no disk space
    ASSERT_EQ(ftruncate(fd, off_t(big)), 0);
    close(fd);
    EXPECT_EQ(existsindir("empty"), 1u);
    EXPECT_EQ(existsindir("three"), 4u);
    EXPECT_EQ(existsindir("BIG"), big + 1);
    EXPECT_EQ(existsindir("missing"), 0u);
    EXPECT_EQ(existsindir(""), 0u);
    EXPECT_EQ(existsindir(nullptr), 0u);
    EXPECT_EQ(existsindir("THREE", folder.c_str()), 4u);
    EXPECT_EQ(existsindir("three", folder.substr(1).c_str()), 4u);   // from the root
}

TEST(shortname, CutsToEightBeforeTheExtension)
{
    struct {
        const char* name;
        const char* extension;
        const char* result;
    } cases[] = {
        {"longfilename", "rkp", "longfile.rkp"}, {"a.b", "lib", "a.lib"}, {"abcdefgh", "txt", "abcdefgh.txt"},
        {"abc", "txt", "abc.txt"}, {"abc.def.ghi", "x", "abc.x"}, {".x", "lib", ".x.lib"},
        {"plain", nullptr, "plain"}, {"plain", "", "plain"},
    };
    for (auto c : cases) {
        char buffer[limits::pathlength];
        strcpy(buffer, c.name);
        char* ext = shortname(buffer, c.extension);
        EXPECT_STREQ(buffer, c.result) << c.name;
        if (c.extension && *c.extension) {
            EXPECT_STREQ(ext, c.extension);
        }
    }
}

TEST(paths, RootAndWorkDirectoryUseSlashes)
{
    char root[4];
    EXPECT_STREQ(driveroot(root), "/");
    std::string dir = addbackslash();
    EXPECT_EQ(dir.front(), '/');
    EXPECT_EQ(dir.back(), '/');
    EXPECT_EQ(dir.find("//"), std::string::npos);
}

}  // namespace

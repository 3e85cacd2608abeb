#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "base/chain.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "objects/context.h"

namespace fs = std::filesystem;

namespace {

class librarylist : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("vemo-context-" + std::to_string(getpid()));
        fs::create_directories(dir);
        for (const char* name : {"b.lib", "A.LIB", "DESKTOP.LIB", "desktop.lib", "c.Lib", "old.lb",
                                 "notes.txt", "lib", "toolongname.lib"})
            std::ofstream(dir / name) << "";
        setworkdirectory(dir.string());
    }
    void TearDown() override
    {
        setworkdirectory(".");
        fs::remove_all(dir);
    }
    fs::path dir;
};

TEST_F(librarylist, desktopfirstthenthelibrariesinnameorder)
{
    parser first;
    EXPECT_EQ(librarycount(), 4);
    EXPECT_STREQ(libraryname(0), "resident");
    EXPECT_STREQ(libraryname(1), "DESKTOP.LIB");
    EXPECT_STREQ(libraryname(2), "A.LIB");
    EXPECT_STREQ(libraryname(3), "b.lib");
    EXPECT_STREQ(libraryname(4), "c.Lib");
    EXPECT_EQ(libraryname(5), nullptr);
    EXPECT_EQ(currentlibrary, 1);

    EXPECT_EQ(librarynumber("a.lib"), 2);
    EXPECT_EQ(librarynumber("desktop.lib"), 1);
    EXPECT_EQ(librarynumber("old.lb"), 0);
    EXPECT_EQ(librarynumber("toolongname.lib"), 0);
    EXPECT_EQ(librarynumber(nullptr), 0);
    EXPECT_EQ(librarypath(3), (dir / "b.lib").string());
    EXPECT_EQ(librarypath(0), "");

    ASSERT_NE(localobjects, nullptr);
    EXPECT_EQ(localobjects->count, 0);
}

TEST(context, missingworkdirectorygivesthedesktoponly)
{
    setworkdirectory("/nonexistent/vemo");
    parser first;
    setworkdirectory(".");
    EXPECT_EQ(librarycount(), 1);
    EXPECT_EQ(currentlibrary, 1);
}

}  // namespace
